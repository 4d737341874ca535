#include "places/LabelFont.h"

#include "platform/Cp932.h"

namespace qb {
namespace {

struct IntField {
    std::string_view key;
    std::int32_t LabelFont::*member;
};

struct ByteField {
    std::string_view key;
    std::uint8_t LabelFont::*member;
};

constexpr IntField kIntFields[] = {
    {"Height", &LabelFont::height},         {"Width", &LabelFont::width},
    {"Escapement", &LabelFont::escapement}, {"Orientation", &LabelFont::orientation},
    {"Weight", &LabelFont::weight},
};

constexpr ByteField kByteFields[] = {
    {"Italic", &LabelFont::italic},
    {"Underline", &LabelFont::underline},
    {"StrikeOut", &LabelFont::strikeOut},
    {"CharSet", &LabelFont::charSet},
    {"OutPrecision", &LabelFont::outPrecision},
    {"ClipPrecision", &LabelFont::clipPrecision},
    {"Quality", &LabelFont::quality},
    {"PitchAndFamily", &LabelFont::pitchAndFamily},
};

constexpr std::string_view kFaceNameKey = "FaceName";
constexpr std::string_view kColourKey = "FontColor";

} // namespace

std::int32_t DefaultFontHeight(int level)
{
    if (level == 1)
        return -13;
    return level == 2 ? -12 : -11;
}

std::uint32_t DefaultFontColour(int colourKind)
{
    switch (colourKind) {
    case 1: return 0x000000;
    case 2: return 0x800080;
    case 3: return 0xFF0000;
    default: return 0x000080;
    }
}

void ReadFontSetting(ISettingsStore& store, std::string_view section, LabelFont& font,
                     int level, int colourKind)
{
    LabelFont defaults;
    defaults.height = DefaultFontHeight(level);
    defaults.colour = DefaultFontColour(colourKind);
    defaults.faceName = kDefaultFaceName;
    ReadFontSetting(store, section, font, defaults);
}

void ReadFontSetting(ISettingsStore& store, std::string_view section, LabelFont& font,
                     const LabelFont& defaults)
{
    for (const IntField& field : kIntFields)
        font.*field.member = store.GetSettingInt(section, field.key, defaults.*field.member);
    // The record keeps these in single bytes.
    for (const ByteField& field : kByteFields)
        font.*field.member = static_cast<std::uint8_t>(
            store.GetSettingInt(section, field.key, defaults.*field.member));
    font.faceName = TruncateUtf8ToCp932Bytes(
        store.GetSettingString(section, kFaceNameKey, defaults.faceName), kFaceNameBytes);
    font.colour = static_cast<std::uint32_t>(
        store.GetSettingInt(section, kColourKey, static_cast<std::int32_t>(defaults.colour)));
}

void WriteFontSetting(ISettingsStore& store, std::string_view section, const LabelFont& font)
{
    for (const IntField& field : kIntFields)
        store.WriteSettingInt(section, field.key, font.*field.member);
    for (const ByteField& field : kByteFields)
        store.WriteSettingInt(section, field.key, font.*field.member);
    store.WriteSettingString(section, kFaceNameKey,
                             TruncateUtf8ToCp932Bytes(font.faceName, kFaceNameBytes));
    store.WriteSettingInt(section, kColourKey, static_cast<std::int32_t>(font.colour));
}

} // namespace qb
