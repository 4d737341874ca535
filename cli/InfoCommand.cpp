#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"
#include "terrain/HeightSummary.h"

#include <cstdio>

namespace qb::cli {
namespace {

void PrintJson(const CHeightGrid& g, const HeightSummary& data)
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
        .Add("minHeight", data.lowest)
        .Add("maxHeight", data.highest)
        .Add("validPoints", data.dataPoints)
        .Add("dataDate", g.m_nDataDate)
        .Add("newDatum", g.m_bNewDatum != 0)
        .Add("startX", g.m_nStartX)
        .Add("startY", g.m_nStartY);
    std::puts(json.Text().c_str());
}

void PrintText(const CHeightGrid& g, const HeightSummary& data)
{
    std::printf("File:          %s\n", g.m_strPath.c_str());
    std::printf("Type:          %s\n", FileTypeName(g.m_nFileType));
    std::printf("Points:        %d columns x %d rows\n", g.m_nCols, g.m_nRows);
    std::printf("Spacing:       %d m east-west, %d m north-south\n", g.m_nMeshSize, g.m_nMeshSize2);
    std::printf("Extent:        N %.7f  S %.7f  W %.7f  E %.7f\n", g.m_fNorth, g.m_fSouth, g.m_fWest,
                g.m_fEast);
    std::printf("Heights:       %.1f m to %.1f m\n", data.lowest, data.highest);
    std::printf("Valid points:  %lld\n", static_cast<long long>(data.dataPoints));
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
    // The facts of the file: its heights as it holds them, counted over the points with data.
    if (!LoadGrid(session, args.words[0], grid, GridRead::AsStored))
        return kExitFailure;
    const HeightSummary data = SummariseHeights(grid);
    if (args.Has("--json"))
        PrintJson(grid, data);
    else
        PrintText(grid, data);
    return kExitOk;
}

} // namespace qb::cli
