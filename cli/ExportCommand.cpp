#include "cli/CliSupport.h"
#include "cli/GridFiles.h"

namespace qb::cli {

int RunExport(const Arguments& args)
{
    if (args.words.size() != 2)
        return UsageError("export takes FILE OUT");
    const std::string& out = args.words[1];
    if (!IsGridFilePath(out))
        return UsageError("OUT must end in .3dm, .asc or .tif");
    Session session;
    CHeightGrid grid;
    if (!LoadGrid(session, args.words[0], grid))
        return kExitFailure;
    return WriteGridOrSay(grid, out);
}

} // namespace qb::cli
