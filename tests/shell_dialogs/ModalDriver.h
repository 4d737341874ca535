#pragma once
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace qb::test {

// Acts on the modal dialog that the next exec() shows, once its event loop
// runs. A dialog of another class is a failure and is closed, so that the
// test ends instead of waiting for input.
template <class Dialog>
void OnModal(std::function<void(Dialog&)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (dialog) {
            action(*dialog);
            return;
        }
        ADD_FAILURE() << "no modal dialog of the expected class";
        if (auto* other = qobject_cast<QDialog*>(modal))
            other->done(QDialog::Rejected);
    });
}

} // namespace qb::test
