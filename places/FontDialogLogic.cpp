#include "places/FontDialogLogic.h"

#include "platform/Cp932.h"

#include <utility>

namespace qb {
namespace {

constexpr std::array<std::string_view, kPlaceKindCount> MakeEntries()
{
    std::array<std::string_view, kPlaceKindCount> entries{};
    for (int kind = 0; kind < kPlaceKindCount; ++kind)
        entries[kind] = kPlaceKinds[kind].text;
    return entries;
}

constexpr std::array<std::string_view, kPlaceKindCount> kEntries = MakeEntries();

} // namespace

CSelectFontLogic::CSelectFontLogic(ISettingsStore& store, CLabelState& state,
                                   std::function<void()> repaintViews)
    : m_session(store, state, std::move(repaintViews)), m_fonts(m_session.State().fonts)
{
}

const std::array<std::string_view, kPlaceKindCount>& CSelectFontLogic::Entries()
{
    return kEntries;
}

void CSelectFontLogic::Select(int index)
{
    m_nSelection = IsPlaceKind(index) ? index : -1;
}

std::optional<FontChooserRequest> CSelectFontLogic::ChooserRequest() const
{
    if (!IsPlaceKind(m_nSelection))
        return std::nullopt;
    FontChooserRequest request;
    request.font = m_fonts[m_nSelection];
    request.font.charSet = kLabelCharSet;
    return request;
}

void CSelectFontLogic::AcceptChoice(const LabelFont& chosen)
{
    if (!IsPlaceKind(m_nSelection))
        return;
    LabelFont& font = m_fonts[m_nSelection];
    font = chosen;
    // The record keeps at most 31 bytes of the face name.
    font.faceName = TruncateUtf8ToCp932Bytes(chosen.faceName, kFaceNameBytes);
}

void CSelectFontLogic::Ok()
{
    m_session.State().fonts = m_fonts;
    m_session.Commit();
}

void CSelectFontLogic::Cancel()
{
    m_session.WriteBack();
}

} // namespace qb
