#pragma once
#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace qb::test {

// The child of a dialog by object name; a missing child is a failure.
template <class T>
T* Child(QWidget& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

inline void Click(QWidget& dialog, const char* name)
{
    if (auto* button = Child<QAbstractButton>(dialog, name))
        button->click();
}

inline bool IsEnabled(QWidget& dialog, const char* name)
{
    QWidget* child = Child<QWidget>(dialog, name);
    return child != nullptr && child->isEnabled();
}

} // namespace qb::test
