#pragma once
#include "platform/SettingsStore.h"

#include <QSettings>
#include <QString>

namespace qb {

// The per-user settings store as an INI file: sections are groups, keys are
// keys. Every write reaches the file at once.
class CQtSettingsStore final : public ISettingsStore {
public:
    // The user's store, rooted at "Quarrenby 5_0" / "Quarrenby".
    CQtSettingsStore();
    // A store kept in the given INI file.
    explicit CQtSettingsStore(const QString& iniPath);

    std::int32_t GetSettingInt(std::string_view section, std::string_view key,
                               std::int32_t defaultValue) override;
    std::string GetSettingString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) override;
    bool WriteSettingInt(std::string_view section, std::string_view key,
                         std::int32_t value) override;
    bool WriteSettingString(std::string_view section, std::string_view key,
                            std::string_view text) override;

    QString FileName() const { return m_settings.fileName(); }

private:
    bool Write(std::string_view section, std::string_view key, const QVariant& value);

    QSettings m_settings;
};

} // namespace qb
