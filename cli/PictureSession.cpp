#include "cli/PictureSession.h"

#include "cli/GuiApplication.h"
#include "places/LabelSettings.h"

namespace qb::cli {

int DrawOpenedFile(const Arguments& args, const std::string& file, std::optional<int> meshSetting,
                   const std::function<int(CDocumentSession&)>& draw)
{
    const CGuiApplication gui;
    CDocumentSession session(DatabaseFolderOf(args));
    LoadLabelSettings(session.Console().settings);
    if (!session.OpenFile(file, meshSetting))
        return kExitFailure;
    return draw(session);
}

} // namespace qb::cli
