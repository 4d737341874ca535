#include "platform/qt/QtMessageSink.h"

#include "platform/qt/QtText.h"

namespace qb {
namespace {

MessageResult ClosedResult(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return MessageResult::Ok;
    case MessageButtons::YesNo: return MessageResult::No;
    default: return MessageResult::Cancel;
    }
}

} // namespace

QMessageBox::Icon QtMessageIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtMessageButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageResult MessageResultFromQt(int pressed, MessageButtons buttons)
{
    const auto button = static_cast<QMessageBox::StandardButton>(pressed);
    if (!QtMessageButtons(buttons).testFlag(button))
        return ClosedResult(buttons);
    switch (button) {
    case QMessageBox::Ok: return MessageResult::Ok;
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    default: return MessageResult::Cancel;
    }
}

std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* parent, std::string_view text,
                                              MessageIcon icon, MessageButtons buttons,
                                              std::string_view caption)
{
    auto box = std::make_unique<QMessageBox>(QtMessageIcon(icon), ToQString(caption),
                                             ToQString(text), QtMessageButtons(buttons), parent);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

MessageResult CQtMessageSink::ShowMessage(std::string_view text, MessageIcon icon,
                                          MessageButtons buttons, std::string_view caption)
{
    const auto box = CreateMessageBox(m_parent, text, icon, buttons, caption);
    return MessageResultFromQt(box->exec(), buttons);
}

} // namespace qb
