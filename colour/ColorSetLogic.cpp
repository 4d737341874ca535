#include "colour/ColorSetLogic.h"

#include "colour/ColourStore.h"
#include "colour/PresetSchemes.h"
#include "colour/UserColorScheme.h"

namespace qb {
namespace {

std::string DeleteQuestion(std::string_view name)
{
    const std::size_t at = kDeleteSchemeQuestion.find("%s");
    std::string text(kDeleteSchemeQuestion.substr(0, at));
    text.append(name).append(kDeleteSchemeQuestion.substr(at + 2));
    return text;
}

} // namespace

CColorSetLogic::CColorSetLogic(ISettingsStore& store, IMessageSink& messages, int scheme)
    : m_store(store), m_messages(messages), m_nScheme(scheme)
{
    Reload();
}

void CColorSetLogic::Reload()
{
    m_names.clear();
    for (const std::string& text : ReadSchemeTexts(m_store))
        m_names.emplace_back(SchemeNameOf(text));
    // A stored selection outside the list selects the first entry, so that
    // OK and Edit never store a selection that names no scheme.
    const int stored = ReadSelectedScheme(m_store);
    const int count = static_cast<int>(m_names.size());
    if (count == 0)
        m_nSelection = -1;
    else
        m_nSelection = stored >= 0 && stored < count ? stored : 0;
}

void CColorSetLogic::CheckScheme(int scheme)
{
    if (scheme >= 0 && scheme < kSchemeCount)
        m_nScheme = scheme;
}

void CColorSetLogic::Select(int index)
{
    if (index >= 0 && index < static_cast<int>(m_names.size()))
        m_nSelection = index;
}

bool CColorSetLogic::IsEnabled(ColorSetControl control) const
{
    if (m_nScheme != kUserScheme)
        return false;
    return control == ColorSetControl::New || !m_names.empty();
}

UserColorRequest CColorSetLogic::ClickNew()
{
    return UserColorRequest{};
}

std::optional<UserColorRequest> CColorSetLogic::ClickEdit()
{
    if (m_nSelection < 0)
        return std::nullopt;
    WriteSelectedScheme(m_store, m_nSelection);
    return UserColorRequest{false, m_nSelection};
}

void CColorSetLogic::EditorClosed(bool ok)
{
    if (ok)
        Reload();
}

void CColorSetLogic::ClickDelete()
{
    if (m_nSelection < 0)
        return;
    const std::string question = DeleteQuestion(m_names[static_cast<std::size_t>(m_nSelection)]);
    if (m_messages.ShowMessage(question, MessageIcon::Question, MessageButtons::OkCancel) != MessageResult::Ok)
        return;
    DeleteScheme(m_store, m_nSelection);
    Reload();
}

bool CColorSetLogic::RefuseMissingUserScheme()
{
    if (m_nScheme != kUserScheme || !m_names.empty())
        return false;
    m_messages.ShowMessage(kNoUserSchemeMessage, MessageIcon::Exclamation);
    return true;
}

bool CColorSetLogic::Ok()
{
    if (RefuseMissingUserScheme())
        return false;
    if (m_nSelection >= 0)
        WriteSelectedScheme(m_store, m_nSelection);
    return true;
}

bool CColorSetLogic::Cancel()
{
    return !RefuseMissingUserScheme();
}

} // namespace qb
