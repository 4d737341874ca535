#pragma once
#include "platform/NameInputDialog.h"

#include <QPointer>
#include <QWidget>

namespace qb {

class IMessageSink;

// The name-input dialog as a modal Qt dialog over a parent window.
class CQtNameInputDialog final : public INameInputDialog {
public:
    CQtNameInputDialog(QWidget* parent, IMessageSink& messages) : m_parent(parent), m_messages(messages) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    // kNameInputOk, kNameInputCancel or kNameInputDelete.
    int Run(CInputName& fields) override;

private:
    QPointer<QWidget> m_parent;
    IMessageSink& m_messages;
};

} // namespace qb
