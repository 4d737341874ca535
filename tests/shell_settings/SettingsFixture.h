#pragma once
#include "app/TessimApp.h"
#include "platform/MemorySettingsStore.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/shell_dialogs/ModalDriver.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace qb::test {

// An application object over an in-memory store, scripted volumes and a
// recording message sink, for the settings commands.
struct SettingsFixture : ::testing::Test {
    CTempDir temp;
    CMemorySettingsStore store;
    CFakeSystemServices system;
    CRecordingMessageSink messages;
    CTessimApp app{store, system, messages};

    template <class Widget = QAbstractButton>
    static Widget* Child(const QWidget& dialog, const char* name)
    {
        auto* child = dialog.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static QString EditText(const QWidget& dialog, const char* name)
    {
        const QLineEdit* edit = Child<QLineEdit>(dialog, name);
        return edit ? edit->text() : QString();
    }
};

} // namespace qb::test
