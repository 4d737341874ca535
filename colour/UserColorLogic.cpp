#include "colour/UserColorLogic.h"

#include "colour/ColourStore.h"
#include "colour/ColourSwatch.h"
#include "platform/Cp932.h"

#include <algorithm>

namespace qb {
namespace {

// The colour a swatch edits; null for no swatch.
template <typename Scheme>
auto SlotOfSwatch(Scheme& scheme, int swatch) -> decltype(&scheme.single)
{
    switch (KindOfSwatch(swatch)) {
    case kKindSingle: return &scheme.single;
    case kKindHeight: return swatch == kLowSwatch ? &scheme.low : &scheme.high;
    case kKindSlope: return &scheme.slope[static_cast<std::size_t>(swatch - kFirstSlopeSwatch)];
    default: return nullptr;
    }
}

} // namespace

int KindOfSwatch(int swatch)
{
    if (swatch == kSingleSwatch)
        return kKindSingle;
    if (swatch == kLowSwatch || swatch == kHighSwatch)
        return kKindHeight;
    return swatch >= kFirstSlopeSwatch && swatch < kSwatchCount ? kKindSlope : -1;
}

CUserColorLogic::CUserColorLogic(ISettingsStore& store, IMessageSink& messages, UserColorRequest request)
    : m_store(store), m_messages(messages), m_request(request),
      m_scheme(DefaultUserColorScheme(ReadDefaultKind(store)))
{
    if (!m_request.isNew)
        m_scheme = ParseColorScheme(ReadSchemeText(m_store, m_request.index), m_scheme);
}

void CUserColorLogic::SetName(std::string_view name)
{
    if (m_request.isNew)
        m_scheme.name = TruncateUtf8ToCp932Bytes(name, kSchemeNameMaxBytes);
}

void CUserColorLogic::ChooseKind(int kind)
{
    if (kind >= 0 && kind < kKindCount)
        m_scheme.ColorKind = kind;
}

Colour CUserColorLogic::SwatchColour(int swatch) const
{
    const Colour* slot = SlotOfSwatch(m_scheme, swatch);
    return slot != nullptr ? *slot : kDisabledSwatchColour;
}

Colour CUserColorLogic::SwatchFill(int swatch) const
{
    return IsGroupEnabled(KindOfSwatch(swatch)) ? SwatchColour(swatch) : kDisabledSwatchColour;
}

std::optional<ColourPickerRequest> CUserColorLogic::PickerRequest(int swatch) const
{
    if (!IsGroupEnabled(KindOfSwatch(swatch)))
        return std::nullopt;
    return ColourPickerRequest{SwatchColour(swatch), LoadCustomColours(m_store)};
}

void CUserColorLogic::AcceptPickedColour(int swatch, Colour chosen, const CustomColours& custom)
{
    Colour* slot = SlotOfSwatch(m_scheme, swatch);
    if (slot == nullptr || !IsGroupEnabled(KindOfSwatch(swatch)))
        return;
    SaveCustomColours(m_store, custom);
    *slot = chosen & 0x00FFFFFFu;
}

bool CUserColorLogic::NameIsTaken() const
{
    const std::vector<std::string> texts = ReadSchemeTexts(m_store);
    return std::any_of(texts.begin(), texts.end(),
                       [this](const std::string& text) { return SchemeNameOf(text) == m_scheme.name; });
}

// Shows why the name cannot be stored; false when it can.
bool CUserColorLogic::RefuseName()
{
    std::string_view message;
    if (m_scheme.name.empty())
        message = kEmptySchemeNameMessage;
    else if (m_request.isNew && NameIsTaken())
        message = kDuplicateSchemeNameMessage;
    else if (m_scheme.name.find(',') != std::string::npos)
        message = kCommaInSchemeNameMessage;
    else
        return false;
    m_messages.ShowMessage(message, MessageIcon::Exclamation);
    return true;
}

bool CUserColorLogic::Ok()
{
    if (RefuseName())
        return false;
    int index = m_request.index;
    if (m_request.isNew) {
        index = ReadSchemeCount(m_store);
        WriteSchemeCount(m_store, index + 1);
    }
    WriteSchemeText(m_store, index, FormatColorScheme(m_scheme));
    WriteSelectedScheme(m_store, index);
    WriteDefaultKind(m_store, m_scheme.ColorKind);
    return true;
}

} // namespace qb
