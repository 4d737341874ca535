// The open-from-map and search-from-folder commands of the main window:
// their dialogs and the open.
#include "shell/MainFrame.h"

#include "app/DocumentManager.h"
#include "app/OpenFromMapCommand.h"
#include "app/SearchFolderCommand.h"
#include "app/TessimApp.h"
#include "shell/ChildFrame.h"
#include "shell/ShellApp.h"
#include "shell/dialogs/FolderSettingsCommand.h"
#include "shell/settings/MapOpenCommand.h"
#include "shell/settings/SettingsCommands.h"

namespace qb {
namespace {

class CMainFrameMapWindows final : public IOpenFromMapWindows {
public:
    CMainFrameMapWindows(CMainFrame& frame, CShellApp& shell, CMovedAreaReopen& moveReopen)
        : m_frame(frame), m_shell(shell), m_moveReopen(moveReopen)
    {
    }

    bool RunFolderSettings() override
    {
        return RunFolderSettingsCommand(m_shell.App(), &m_frame, m_shell.FolderChooser());
    }
    void CloseMapView() override
    {
        if (CChildFrame* frame = m_frame.FrameOf(m_frame.ViewOf(ViewKind::Map)))
            frame->close();
    }
    std::optional<int> ChooseMapKind() override
    {
        return RunMapSelectDialog(m_shell.App(), m_shell.Messages(), &m_frame);
    }
    bool ChooseArea(CAreaRecords& records, int mapKind) override
    {
        return RunMapOpenDialog(m_shell.App(), records, mapKind, &m_frame);
    }
    void ClearMoveRecord() override { m_moveReopen.Clear(); }
    void OpenArea(const std::string& path) override
    {
        if (m_shell.Documents().CloseForReopen(path))
            m_shell.Documents().OpenDocumentFile(path);
    }

private:
    CMainFrame& m_frame;
    CShellApp& m_shell;
    CMovedAreaReopen& m_moveReopen;
};

} // namespace

void CMainFrame::OpenFromMap()
{
    CMainFrameMapWindows windows(*this, m_shell, m_moveReopen);
    RunOpenFromMap(m_shell.App(), windows);
    BuildMenuBar(m_nMenuId);
}

void CMainFrame::SearchFromFolder()
{
    CMainFrameMapWindows windows(*this, m_shell, m_moveReopen);
    RunSearchFromFolder(m_shell.App(), m_shell.FolderChooser(), m_shell.Jobs(), windows);
    BuildMenuBar(m_nMenuId);
}

} // namespace qb
