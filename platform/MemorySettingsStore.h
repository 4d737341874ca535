#pragma once
#include "platform/SettingsStore.h"

#include <map>
#include <variant>

namespace qb {

// A settings store held in memory: the store of the command-line tool, which
// must not change the desktop program's settings, and of the tests.
class CMemorySettingsStore final : public ISettingsStore {
public:
    using Value = std::variant<std::int32_t, std::string>;

    std::int32_t GetSettingInt(std::string_view section, std::string_view key,
                               std::int32_t defaultValue) override;
    std::string GetSettingString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) override;
    bool WriteSettingInt(std::string_view section, std::string_view key,
                         std::int32_t value) override;
    bool WriteSettingString(std::string_view section, std::string_view key,
                            std::string_view text) override;

    bool Contains(std::string_view section, std::string_view key) const;
    std::size_t Size() const { return m_values.size(); }
    int WriteCount() const { return m_nWrites; }

private:
    const Value* Find(std::string_view section, std::string_view key) const;

    std::map<std::pair<std::string, std::string>, Value, std::less<>> m_values;
    int m_nWrites = 0;
};

} // namespace qb
