#include "places/DisplayDialogLogic.h"

#include <algorithm>
#include <utility>

namespace qb {
namespace {

const LevelCheckBox* FindCheckBox(int controlId)
{
    const auto it = std::find_if(kLevelCheckBoxes.begin(), kLevelCheckBoxes.end(),
                                 [controlId](const LevelCheckBox& box) { return box.id == controlId; });
    return it == kLevelCheckBoxes.end() ? nullptr : &*it;
}

bool IsGroupBox(int controlId)
{
    return std::any_of(kLevelGroupBoxes.begin(), kLevelGroupBoxes.end(),
                       [controlId](const LevelGroupBox& box) { return box.id == controlId; });
}

} // namespace

CSelectLevelLogic::CSelectLevelLogic(ISettingsStore& store, CLabelState& state,
                                     std::function<void()> repaintViews)
    : m_session(store, state, std::move(repaintViews)),
      m_bAutoNames(m_session.State().autoNames != 0 ? 1 : 0),
      m_bShowKind(m_session.State().showKind)
{
}

void CSelectLevelLogic::ClickRadio(int controlId)
{
    if (controlId == kManualRadioId)
        m_bAutoNames = 0;
    else if (controlId == kAutoRadioId)
        m_bAutoNames = 1;
}

bool CSelectLevelLogic::IsChecked(int controlId) const
{
    const LevelCheckBox* box = FindCheckBox(controlId);
    return box != nullptr && m_bShowKind[box->kind] != 0;
}

void CSelectLevelLogic::SetChecked(int controlId, bool checked)
{
    if (const LevelCheckBox* box = FindCheckBox(controlId))
        m_bShowKind[box->kind] = checked ? 1 : 0;
}

bool CSelectLevelLogic::IsEnabled(int controlId) const
{
    if (FindCheckBox(controlId) != nullptr || IsGroupBox(controlId))
        return !IsAutomatic();
    return true;
}

void CSelectLevelLogic::Ok()
{
    m_session.State().autoNames = m_bAutoNames;
    m_session.State().showKind = m_bShowKind;
    m_session.Commit();
}

void CSelectLevelLogic::Cancel()
{
    m_session.WriteBack();
}

} // namespace qb
