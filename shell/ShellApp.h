#pragma once
#include "app/DocumentManager.h"
#include "app/TessimApp.h"
#include "platform/qt/QtMessageSink.h"
#include "shell/DocTemplate.h"
#include "shell/dialogs/InputNameDlg.h"
#include "shell/dialogs/QtFolderChooser.h"
#include "shell/dialogs/QtJobRunner.h"
#include "shell/dialogs/QtNameInputDialog.h"

#include <QElapsedTimer>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>

namespace qb {

class CMainFrame;

// What the command line asks for.
struct ShellOptions {
    std::string file;                       // a file to open, or empty
    std::optional<std::string> database;    // a database folder for this run only
    std::optional<int> meshSetting;         // the mesh setting for this run only
    bool timing = false;                    // report the start's timings and quit after the first paint
    bool renderingView = false;             // bring up the rendering view of the opened file
};

// Milliseconds from the process start to the end of each phase of the start.
struct StartTimes {
    qint64 startedUp = 0;   // settings read, main window built
    qint64 opened = 0;      // the command line's file joined and shown
    qint64 painted = 0;     // the first 2-D view painted
};

// Reads "quarrenby [--database DIR] [--mesh-setting 0..5] [--first-paint-timing] [--rendering-view] [FILE]";
// none with `error` set on a bad command line.
std::optional<ShellOptions> ParseShellArguments(const QStringList& arguments, QString& error);

// The desktop program: the application object with its settings, folders
// and documents, the main window and the platform's dialogs for the core.
class CShellApp {
public:
    // `messages` replaces the message boxes (tests answer them); null shows boxes.
    CShellApp(ISettingsStore& settings, ISystemServices& system, IMessageSink* messages = nullptr);
    ~CShellApp();
    CShellApp(const CShellApp&) = delete;
    CShellApp& operator=(const CShellApp&) = delete;

    // The start: settings and folders, the main window, the file of the
    // command line, the window maximised, and the folder settings at a first
    // start. False when the process should end.
    bool Start(const ShellOptions& options);
    // The same, timing its phases against `clock` (started with the process).
    bool Start(const ShellOptions& options, const QElapsedTimer& clock, StartTimes& times);
    // The values kept until the next start; the main window must be closed.
    void Shutdown();

    CTessimApp& App() { return m_app; }
    CDocumentManager& Documents() { return m_documents; }
    // The document templates of the three view kinds.
    CDocTemplates& Templates() { return m_templates; }
    CMainFrame* MainFrame() { return m_pMainFrame.get(); }
    IMessageSink& Messages() { return *m_pMessages; }
    INameInputDialog& NameInput() { return m_nameInput; }
    IFolderChooser& FolderChooser() { return m_folderChooser; }
    CQtJobRunner& Jobs() { return m_jobs; }

private:
    void ApplyRunOptions(const ShellOptions& options);
    void ConnectProgress();

    CQtMessageSink m_boxes;
    IMessageSink* m_pMessages;
    CTessimApp m_app;
    CQtJobRunner m_jobs;
    CDocumentManager m_documents;
    CDocTemplates m_templates;
    CQtNameInputDialog m_nameInput;
    CQtFolderChooser m_folderChooser;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    // The stored values a run option stands in for, put back before they are written.
    std::optional<std::string> m_storedDatabase;
    std::optional<int> m_storedMeshSetting;
    bool m_bShutDown = false;
};

} // namespace qb
