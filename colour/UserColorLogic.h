#pragma once
#include "colour/CustomColours.h"
#include "colour/UserColorScheme.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr int kUserColorDialogId = 150;
inline constexpr std::string_view kUserColorTitle = "ユーザ定義色の設定";
inline constexpr std::string_view kSchemeNameLabel = "配色の定義名";
inline constexpr std::string_view kSchemeKindGroupTitle = "配色の種類";
// The kind buttons, and the title of each kind's group, by kind.
inline constexpr std::array<std::string_view, kKindCount> kSchemeKindTexts = {
    "高速に描画する", "標高で色を変える", "傾斜で色を変える"};
inline constexpr std::string_view kSingleColourLabel = "色";
inline constexpr std::string_view kLowColourLabel = "標高の低い部分";
inline constexpr std::string_view kHighColourLabel = "標高の高い部分";
inline constexpr std::string_view kGentleSlopeLabel = "傾斜の緩い部分";
inline constexpr std::string_view kSteepSlopeLabel = "傾斜の急な部分";

inline constexpr std::string_view kEmptySchemeNameMessage = "配色の定義名を入力してください";
inline constexpr std::string_view kDuplicateSchemeNameMessage = "配色の定義名はすでに存在します";
inline constexpr std::string_view kCommaInSchemeNameMessage =
    "配色の定義名に不正な文字 \" ,\" が含まれています";

// The eleven swatches: the single colour, low and high, then the eight
// slope colours from gentlest to steepest.
inline constexpr int kSingleSwatch = 0;
inline constexpr int kLowSwatch = 1;
inline constexpr int kHighSwatch = 2;
inline constexpr int kFirstSlopeSwatch = 3;
inline constexpr int kSwatchCount = 11;

// The kind whose group holds a swatch; -1 for no swatch.
int KindOfSwatch(int swatch);

// What the editor is opened for: a new scheme, or stored scheme `index`.
struct UserColorRequest {
    bool isNew = true;
    int index = -1;
};

// What the colour picker is opened with.
struct ColourPickerRequest {
    Colour initial = 0;
    CustomColours custom{};
};

// The scheme editor without its window. The window shows Name() (read-only
// by IsNameReadOnly()), checks the button of Kind(), enables each group by
// IsGroupEnabled() and paints each swatch with SwatchFill(); a swatch click
// opens the picker with PickerRequest() and reports its OK to
// AcceptPickedColour().
class CUserColorLogic {
public:
    CUserColorLogic(ISettingsStore& store, IMessageSink& messages, UserColorRequest request);

    const std::string& Name() const { return m_scheme.name; }
    // The name as typed, cut to kSchemeNameMaxBytes of code page 932.
    void SetName(std::string_view name);
    bool IsNameReadOnly() const { return !m_request.isNew; }

    int Kind() const { return m_scheme.ColorKind; }
    void ChooseKind(int kind);
    bool IsGroupEnabled(int kind) const { return kind == m_scheme.ColorKind; }

    Colour SwatchColour(int swatch) const;
    // The swatch's colour, or grey while its group is disabled.
    Colour SwatchFill(int swatch) const;

    // None for a swatch of a disabled group.
    std::optional<ColourPickerRequest> PickerRequest(int swatch) const;
    // The picker ended with OK: its custom colours are stored and the swatch
    // takes the chosen colour.
    void AcceptPickedColour(int swatch, Colour chosen, const CustomColours& custom);

    const CUserColorScheme& Scheme() const { return m_scheme; }

    // Checks the name and stores the scheme; false, with a message, when the
    // dialog stays open.
    bool Ok();

private:
    bool RefuseName();
    bool NameIsTaken() const;

    ISettingsStore& m_store;
    IMessageSink& m_messages;
    UserColorRequest m_request;
    CUserColorScheme m_scheme;
};

} // namespace qb
