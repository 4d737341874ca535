#pragma once
#include "platform/MemorySettingsStore.h"
#include "shell/ShellApp.h"
#include "tests/app/FakeSystemServices.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <QSize>

#include <memory>
#include <string>

namespace qb {
class CMainFrame;
class CView2DView;
} // namespace qb

namespace qb::test {

struct GuiSample;

// The desktop program run inside the test process: a program folder of its
// own with fake system services over it, message boxes recorded and
// answered from a script, and the settings in memory, kept across a restart.
class CShellSession {
public:
    CShellSession();
    ~CShellSession();
    CShellSession(const CShellSession&) = delete;
    CShellSession& operator=(const CShellSession&) = delete;

    // The settings an earlier start left: the program folder known, the
    // place names read from `placeFolder`, the database folder confirmed.
    void SeedSettings(const std::string& placeFolder);
    bool Start(const ShellOptions& options);
    // A start with the sample area on the command line, its tiles read from
    // `database`, shown in a view of the reference picture's size.
    bool StartWithArea(const GuiSample& sample, const std::string& database);
    // Map views show the page the build puts beside the program, seen from
    // the test program, on the offline layer (there is no network here).
    void UseBuiltMapPage();
    // Ends the run as the program does when it quits, then starts anew.
    bool Restart(const ShellOptions& options);

    CShellApp& Shell() { return *m_pShell; }
    CMemorySettingsStore& Store() { return m_store; }
    CMainFrame& Frame();
    // The main window's current 2-D view, or none.
    CView2DView* View();
    CRecordingMessageSink& Messages() { return m_messages; }
    const std::string& ProgramFolder() const { return m_folder.Path(); }

    // Shows the current view's frame normal with a client area of `size`
    // and paints the view; false when that cannot be done.
    bool ShowViewAt(QSize size);
    // Paints the current view now, from the document afresh.
    bool PaintView();
    // Drops a file from a file manager onto the main window; false when
    // the window refused the drag.
    bool DropFile(const std::string& path);

private:
    CTempDir m_folder;
    CMemorySettingsStore m_store;
    CFakeSystemServices m_system;
    CRecordingMessageSink m_messages;
    std::unique_ptr<CShellApp> m_pShell;
};

// The command line that opens the sample area with its 5 m tiles read from `database`.
ShellOptions AreaOptions(const GuiSample& sample, const std::string& database);

} // namespace qb::test
