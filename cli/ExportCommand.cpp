#include "cli/CliSupport.h"
#include "platform/PathText.h"
#include "terrain/AsciiGrid.h"

namespace qb::cli {

int RunExport(const Arguments& args)
{
    if (args.words.size() != 2)
        return UsageError("export takes FILE OUT");
    const std::string& out = args.words[1];
    const bool ascii = HasExtension(out, ".asc");
    if (!ascii && FileTypeOfPath(out) != kFile3dm)
        return UsageError("OUT must end in .3dm or .asc");
    Session session;
    CHeightGrid grid;
    if (!LoadGrid(session, args.words[0], grid))
        return kExitFailure;
    const int written = ascii ? WriteAsciiGrid(grid, out) : grid.WriteTile(out, TileWriteMode::Replace);
    if (!written) {
        PrintError("ファイルが書き込めません: " + out);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace qb::cli
