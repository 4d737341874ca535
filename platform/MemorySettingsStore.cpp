#include "platform/MemorySettingsStore.h"

#include <charconv>

namespace qb {

const CMemorySettingsStore::Value* CMemorySettingsStore::Find(std::string_view section,
                                                              std::string_view key) const
{
    const auto it = m_values.find(std::pair{std::string(section), std::string(key)});
    return it == m_values.end() ? nullptr : &it->second;
}

bool CMemorySettingsStore::Contains(std::string_view section, std::string_view key) const
{
    return Find(section, key) != nullptr;
}

std::int32_t CMemorySettingsStore::GetSettingInt(std::string_view section, std::string_view key,
                                                 std::int32_t defaultValue)
{
    const Value* value = Find(section, key);
    if (!value)
        return defaultValue;
    if (const auto* number = std::get_if<std::int32_t>(value))
        return *number;
    // A value written as text reads as a number only when it is one.
    const std::string& text = std::get<std::string>(*value);
    std::int32_t number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() ? number
                                                                              : defaultValue;
}

std::string CMemorySettingsStore::GetSettingString(std::string_view section, std::string_view key,
                                                   std::string_view defaultValue)
{
    const Value* value = Find(section, key);
    if (!value)
        return std::string(defaultValue);
    if (const auto* number = std::get_if<std::int32_t>(value))
        return std::to_string(*number);
    return std::get<std::string>(*value);
}

bool CMemorySettingsStore::WriteSettingInt(std::string_view section, std::string_view key,
                                           std::int32_t value)
{
    m_values[{std::string(section), std::string(key)}] = value;
    ++m_nWrites;
    return true;
}

bool CMemorySettingsStore::WriteSettingString(std::string_view section, std::string_view key,
                                              std::string_view text)
{
    m_values[{std::string(section), std::string(key)}] = std::string(text);
    ++m_nWrites;
    return true;
}

} // namespace qb
