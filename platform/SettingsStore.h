#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace qb {

// Per-user hierarchical key/value store: sections hold named values.
// Reads fall back to the caller's default when the section or key is
// missing; writes are immediate and create missing sections.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::int32_t GetSettingInt(std::string_view section, std::string_view key,
                                       std::int32_t defaultValue) = 0;
    virtual std::string GetSettingString(std::string_view section, std::string_view key,
                                         std::string_view defaultValue) = 0;
    virtual bool WriteSettingInt(std::string_view section, std::string_view key,
                                 std::int32_t value) = 0;
    virtual bool WriteSettingString(std::string_view section, std::string_view key,
                                    std::string_view text) = 0;
};

// Real numbers are kept as text with six decimals ("1.500000") and read back
// like C's atof: leading blanks skipped, the longest numeric prefix taken,
// 0.0 when there is none. Both ignore the process locale.
double GetSettingReal(ISettingsStore& store, std::string_view section, std::string_view key,
                      std::string_view defaultText);
bool WriteSettingReal(ISettingsStore& store, std::string_view section, std::string_view key,
                      double value);

// atof semantics without the locale, shared by everything that reads numbers from text.
double TextToDouble(std::string_view text);
// "%lf" formatting (six decimals) without the locale.
std::string FormatFixed6(double value);

} // namespace qb
