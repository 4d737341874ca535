#pragma once
#include "places/LabelSettings.h"
#include "platform/SettingsStore.h"

#include <functional>
#include <utility>

namespace qb {

// What the two label dialogs share: the display state is loaded when a
// dialog opens and written back when it closes; OK repaints the views
// after the dialog has stored its values.
class CLabelDialogSession {
public:
    CLabelDialogSession(ISettingsStore& store, CLabelState& state, std::function<void()> repaintViews)
        : m_store(store), m_state(state), m_repaintViews(std::move(repaintViews))
    {
        LoadLabelSettings(m_store, m_state);
    }

    CLabelState& State() { return m_state; }
    const CLabelState& State() const { return m_state; }

    // OK, once the dialog's values are in the state.
    void Commit()
    {
        if (m_repaintViews)
            m_repaintViews();
        SaveLabelSettings(m_store, m_state);
    }
    // Cancel: the state goes back to the store as it was read.
    void WriteBack() { SaveLabelSettings(m_store, m_state); }

private:
    ISettingsStore& m_store;
    CLabelState& m_state;
    std::function<void()> m_repaintViews;
};

} // namespace qb
