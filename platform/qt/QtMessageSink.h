#pragma once
#include "platform/MessageSink.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace qb {

// Messages as modal message boxes over a parent window.
class CQtMessageSink final : public IMessageSink {
public:
    explicit CQtMessageSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    MessageResult ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons,
                              std::string_view caption) override;

private:
    QPointer<QWidget> m_parent;
};

QMessageBox::Icon QtMessageIcon(MessageIcon icon);
QMessageBox::StandardButtons QtMessageButtons(MessageButtons buttons);
// The answer of a box with the given buttons; a box closed without a button
// answers as its Cancel or No button would, or OK when it has only that.
MessageResult MessageResultFromQt(int pressed, MessageButtons buttons);
// The box ShowMessage runs, built but not shown.
std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* parent, std::string_view text,
                                              MessageIcon icon, MessageButtons buttons,
                                              std::string_view caption);

} // namespace qb
