#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/QtText.h"

namespace qb {
namespace {

QString SettingPath(std::string_view section, std::string_view key)
{
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

} // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quarrenby 5_0"),
                 QStringLiteral("Quarrenby"))
{
}

CQtSettingsStore::CQtSettingsStore(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat)
{
}

std::int32_t CQtSettingsStore::GetSettingInt(std::string_view section, std::string_view key,
                                             std::int32_t defaultValue)
{
    const QVariant value = m_settings.value(SettingPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // A value that is not a number reads as the default, as a missing one does.
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

std::string CQtSettingsStore::GetSettingString(std::string_view section, std::string_view key,
                                               std::string_view defaultValue)
{
    const QVariant value = m_settings.value(SettingPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    // An unquoted text with commas in a hand-edited file reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

bool CQtSettingsStore::WriteSettingInt(std::string_view section, std::string_view key,
                                       std::int32_t value)
{
    return Write(section, key, QVariant(value));
}

bool CQtSettingsStore::WriteSettingString(std::string_view section, std::string_view key,
                                          std::string_view text)
{
    return Write(section, key, QVariant(ToQString(text)));
}

bool CQtSettingsStore::Write(std::string_view section, std::string_view key, const QVariant& value)
{
    m_settings.setValue(SettingPath(section, key), value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

} // namespace qb
