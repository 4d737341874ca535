#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"

#include <cstdio>

namespace qb::cli {
namespace {

void PrintJson(const CHeightGrid& g)
{
    CJsonObject json;
    json.Add("path", g.m_strPath)
        .Add("type", FileTypeName(g.m_nFileType))
        .Add("cols", g.m_nCols)
        .Add("rows", g.m_nRows)
        .Add("meshSize", g.m_nMeshSize)
        .Add("meshSize2", g.m_nMeshSize2)
        .Add("west", g.m_fWest)
        .Add("east", g.m_fEast)
        .Add("south", g.m_fSouth)
        .Add("north", g.m_fNorth)
        .Add("minHeight", g.m_fMinHeight)
        .Add("maxHeight", g.m_fMaxHeight)
        .Add("validPoints", g.m_nValidPoints)
        .Add("dataDate", g.m_nDataDate)
        .Add("newDatum", g.m_bNewDatum != 0)
        .Add("startX", g.m_nStartX)
        .Add("startY", g.m_nStartY);
    std::puts(json.Text().c_str());
}

void PrintText(const CHeightGrid& g)
{
    std::printf("File:          %s\n", g.m_strPath.c_str());
    std::printf("Type:          %s\n", FileTypeName(g.m_nFileType));
    std::printf("Points:        %d columns x %d rows\n", g.m_nCols, g.m_nRows);
    std::printf("Spacing:       %d m east-west, %d m north-south\n", g.m_nMeshSize, g.m_nMeshSize2);
    std::printf("Extent:        N %.7f  S %.7f  W %.7f  E %.7f\n", g.m_fNorth, g.m_fSouth, g.m_fWest,
                g.m_fEast);
    std::printf("Heights:       %.1f m to %.1f m\n", g.m_fMinHeight, g.m_fMaxHeight);
    std::printf("Valid points:  %d\n", g.m_nValidPoints);
    std::printf("Survey date:   %d\n", g.m_nDataDate);
    std::printf("Datum:         %s\n", g.m_bNewDatum ? "new (JGD2000/2011)" : "old (Tokyo)");
    std::printf("Start point:   %d %d\n", g.m_nStartX, g.m_nStartY);
}

} // namespace

int RunInfo(const Arguments& args)
{
    if (args.words.size() != 1)
        return UsageError("info takes one FILE");
    Session session;
    CHeightGrid grid;
    if (!LoadGrid(session, args.words[0], grid))
        return kExitFailure;
    if (args.Has("--json"))
        PrintJson(grid);
    else
        PrintText(grid);
    return kExitOk;
}

} // namespace qb::cli
