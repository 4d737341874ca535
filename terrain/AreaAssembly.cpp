#include "terrain/AreaAssembly.h"

#include "terrain/MeshNaming.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <utility>

namespace qb {

int SourceKindOfMeshSetting(int meshSetting, int discKind)
{
    switch (meshSetting) {
    case kMeshDisc: return IsDiscKind(discKind) ? discKind : 0;
    case kMesh10m: return kSource10m;
    case kMesh5m: return kSource5m;
    case kMeshHybrid5m10m:
    case kMeshHybrid1m5m10m: return kSourceHybrid10m;
    case kMesh1m: return kSource1m;
    default: return 0;
    }
}
namespace {

// Coordinates beyond this are no place on the globe; refusing them keeps the
// index arithmetic inside int.
constexpr double kCoordinateLimit = 360.0;

// Indices first .. last of cells along one axis; empty when last < first.
struct IndexRange {
    int first = 0;
    int last = -1;
    std::int64_t Count() const { return last >= first ? std::int64_t{last} - first + 1 : 0; }
};

// Rows are latitude indices (south to north), columns longitude indices.
struct CellRanges {
    IndexRange rows;
    IndexRange columns;
    std::int64_t Count() const { return rows.Count() * columns.Count(); }
};

int Floor(double value)
{
    return static_cast<int>(std::floor(value));
}

// Primary cells, edges given in primary units (latitude x 1.5, longitude - 100):
// each edge goes to the nearest primary line.
IndexRange PrimaryRange(double low, double high)
{
    return {Floor(low + 0.5), Floor(high + 0.5) - 1};
}

// Secondary cells, edges in primary units. The factor 8.001 lifts an edge
// that float rounding left just below a secondary line onto it; the high edge
// takes the cell below its line, and a digit of -1 there is cell 7 of the
// previous primary cell, which the continuous index gives by itself.
IndexRange SecondaryRange(double low, double high)
{
    const int lowPrimary = Floor(low), highPrimary = Floor(high);
    return {lowPrimary * 8 + Floor((low - lowPrimary) * 8.001),
            highPrimary * 8 + Floor((high - highPrimary) * 8.001) - 1};
}

// Tenth-cell kinds cover whole secondary cells.
IndexRange TenthRange(const IndexRange& secondary)
{
    return {secondary.first * 10, secondary.last * 10 + 9};
}

CellRanges RangesFor(int kind, double west, double east, double south, double north)
{
    if (IsPrimaryKind(kind))
        return {PrimaryRange(south * 1.5, north * 1.5), PrimaryRange(west - 100, east - 100)};
    CellRanges ranges{SecondaryRange(south * 1.5, north * 1.5), SecondaryRange(west - 100, east - 100)};
    if (IsTenthKind(kind))
        ranges = {TenthRange(ranges.rows), TenthRange(ranges.columns)};
    return ranges;
}

CellCode CellAt(int kind, int row, int column)
{
    if (IsPrimaryKind(kind)) {
        CellCode cell;
        cell.P = row;
        cell.Q = column;
        return cell;
    }
    return IsTenthKind(kind) ? CellOfTenthIndex(row, column) : CellOfSecondaryIndex(row, column);
}

// The files found by the walk: the first one and the bounds of all.
struct FoundTiles {
    bool any = false;
    std::string firstPath;
    int firstRow = 0, firstColumn = 0;
    int minRow = 0, maxRow = 0, minColumn = 0, maxColumn = 0;

    void Add(const std::string& path, int row, int column)
    {
        if (!any) {
            any = true;
            firstPath = path;
            firstRow = minRow = maxRow = row;
            firstColumn = minColumn = maxColumn = column;
        }
        minRow = std::min(minRow, row);
        maxRow = std::max(maxRow, row);
        minColumn = std::min(minColumn, column);
        maxColumn = std::max(maxColumn, column);
    }
    std::int64_t Across() const { return std::int64_t{maxColumn} - minColumn + 1; }
    std::int64_t Down() const { return std::int64_t{maxRow} - minRow + 1; }
};

// Reports every `step` cells and says whether the walk goes on.
bool ContinueAfter(std::int64_t done, std::int64_t count, IProgress* progress)
{
    const std::int64_t step = std::max<std::int64_t>(1, count / 20);
    if (!progress || done % step != 0)
        return true;
    progress->Report(done, count);
    return !progress->IsCancelled();
}

// Tests every cell, row by row from the south, west to east within a row;
// false when the user cancels.
bool Walk(int kind, const CellRanges& ranges, const CAssemblyContext& context, IProgress* progress,
          FoundTiles& found)
{
    const std::int64_t count = ranges.Count();
    std::int64_t done = 0;
    for (int row = ranges.rows.first; row <= ranges.rows.last; ++row) {
        for (int column = ranges.columns.first; column <= ranges.columns.last; ++column) {
            const std::string path = DataSourcePath(kind, CellAt(kind, row, column),
                                                    context.databaseFolder, context.discRoot);
            if (DataFileExists(path))
                found.Add(path, row, column);
            if (!ContinueAfter(++done, count, progress))
                return false;
        }
    }
    return true;
}

void Show(const CAssemblyContext& context, std::string_view text)
{
    if (context.messages)
        context.messages->ShowMessage(text, MessageIcon::Exclamation);
}

bool Usable(std::initializer_list<double> coordinates)
{
    return std::all_of(coordinates.begin(), coordinates.end(), [](double value) {
        return std::isfinite(value) && std::fabs(value) <= kCoordinateLimit;
    });
}

// Base position: column counted from the west, row counted from the north.
bool FillRecord(CAreaRecord& record, const FoundTiles& found)
{
    if (!record.SetBaseFile(found.firstPath))
        return false;
    record.SetCounts(static_cast<std::int32_t>(found.Across()), static_cast<std::int32_t>(found.Down()));
    record.SetBaseColumn(found.firstColumn - found.minColumn);
    record.SetBaseRow(found.maxRow - found.firstRow);
    return true;
}

} // namespace

std::string TooManyFilesMessage()
{
    return "オープンできるファイルの数は " + std::to_string(kMaxAreaFiles) + " 個までです。";
}

bool DataFileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool AssembleArea(CAreaRecords& records, int kind, double west, double east, double south,
                  double north, const CAssemblyContext& context, IProgress* progress)
{
    if (!Usable({west, east, south, north}))
        return false;
    west = -west;
    east = -east;
    if (west > east)
        std::swap(west, east);
    if (south > north)
        std::swap(south, north);
    const CellRanges ranges = RangesFor(kind, west, east, south, north);
    if (ranges.Count() > kMaxAreaFiles) {
        Show(context, TooManyFilesMessage());
        return false;
    }
    FoundTiles found;
    if (!Walk(kind, ranges, context, progress, found))
        return false;
    if (!found.any) {
        if (kind == kSource5m)
            Show(context, kNoFilesInRangeMessage);
        return false;
    }
    if (found.Across() * found.Down() > kMaxAreaFiles) {
        Show(context, TooManyFilesMessage());
        return false;
    }
    return FillRecord(records.RecordForKind(kind), found);
}

CHybridResult AssembleHybrid(CAreaRecords& records, int meshSetting, double west, double east,
                             double south, double north, const CAssemblyContext& context,
                             IProgress* progress)
{
    const auto cancelled = [progress] { return progress && progress->IsCancelled(); };
    CHybridResult result;
    if (!AssembleArea(records, kSourceHybrid10m, west, east, south, north, context, progress))
        return result;
    result.found5m = AssembleArea(records, kSourceHybrid5m, west, east, south, north, context, progress);
    if (meshSetting == kMeshHybrid1m5m10m && !cancelled())
        result.found1m = AssembleArea(records, kSourceHybrid1m, west, east, south, north, context, progress);
    result.assembled = !cancelled();
    return result;
}

} // namespace qb
