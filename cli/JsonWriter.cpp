#include "cli/JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qb {

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

void CJsonObject::Key(std::string_view key)
{
    if (!m_body.empty())
        m_body += ',';
    m_body += JsonString(key);
    m_body += ':';
}

CJsonObject& CJsonObject::Add(std::string_view key, std::string_view text)
{
    Key(key);
    m_body += JsonString(text);
    return *this;
}

CJsonObject& CJsonObject::Add(std::string_view key, std::int64_t number)
{
    Key(key);
    m_body += std::to_string(number);
    return *this;
}

namespace {

// Shortest text that reads back to the same value; null for NaN and infinities.
template <class T>
std::string NumberText(T value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string JsonNumber(float number)
{
    return NumberText(number);
}

CJsonObject& CJsonObject::Add(std::string_view key, double number)
{
    Key(key);
    m_body += NumberText(number);
    return *this;
}

CJsonObject& CJsonObject::Add(std::string_view key, float number)
{
    Key(key);
    m_body += NumberText(number);
    return *this;
}

CJsonObject& CJsonObject::Add(std::string_view key, std::optional<float> number)
{
    Key(key);
    m_body += number ? NumberText(*number) : "null";
    return *this;
}

CJsonObject& CJsonObject::AddJson(std::string_view key, std::string_view json)
{
    Key(key);
    m_body += json;
    return *this;
}

std::string JsonArray(const std::vector<std::string>& items)
{
    std::string out = "[";
    for (const std::string& item : items) {
        if (out.size() > 1)
            out += ',';
        out += item;
    }
    return out + "]";
}

CJsonObject& CJsonObject::Add(std::string_view key, bool flag)
{
    Key(key);
    m_body += flag ? "true" : "false";
    return *this;
}

} // namespace qb
