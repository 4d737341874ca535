#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Builds one flat JSON object, keys in the order they are added.
class CJsonObject {
public:
    CJsonObject& Add(std::string_view key, std::string_view text);
    CJsonObject& Add(std::string_view key, const char* text) { return Add(key, std::string_view(text)); }
    CJsonObject& Add(std::string_view key, std::int64_t number);
    CJsonObject& Add(std::string_view key, int number) { return Add(key, std::int64_t(number)); }
    CJsonObject& Add(std::string_view key, double number);
    CJsonObject& Add(std::string_view key, float number);
    // null when there is no number.
    CJsonObject& Add(std::string_view key, std::optional<float> number);
    CJsonObject& Add(std::string_view key, bool flag);
    // A value already in JSON: an object or an array.
    CJsonObject& AddJson(std::string_view key, std::string_view json);
    std::string Text() const { return "{" + m_body + "}"; }

private:
    void Key(std::string_view key);
    std::string m_body;
};

std::string JsonString(std::string_view text);
// The shortest text that reads back to the same number; null for NaN and infinities.
std::string JsonNumber(float number);
// "[a,b,...]" of values already in JSON.
std::string JsonArray(const std::vector<std::string>& items);

} // namespace qb
