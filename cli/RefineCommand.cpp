#include "cli/CliSupport.h"

namespace qb::cli {

int RunRefine(const Arguments& args)
{
    if (args.words.size() != 3)
        return UsageError("refine takes FILE K OUT.3dm");
    const std::string& factorText = args.words[1];
    if (factorText != "2" && factorText != "5")
        return UsageError("K must be 2 or 5");
    if (FileTypeOfPath(args.words[2]) != kFile3dm)
        return UsageError("the output of refine is a .3dm file");
    Session session;
    CHeightGrid grid;
    if (!LoadGrid(session, args.words[0], grid))
        return kExitFailure;
    CConsoleProgress progress("Refining");
    if (!grid.Refine(factorText == "2" ? 2 : 5, &progress))
        return kExitFailure;
    if (!grid.WriteTile(args.words[2], TileWriteMode::Replace)) {
        PrintError("ファイルが書き込めません: " + args.words[2]);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace qb::cli
