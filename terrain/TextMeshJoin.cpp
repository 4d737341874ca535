// Joining the .mem / .sem text meshes of an area into one grid.
#include "terrain/HeightGrid.h"

#include "platform/FileRead.h"
#include "platform/Progress.h"
#include "terrain/AreaRecord.h"
#include "terrain/TextMeshFormat.h"

#include <algorithm>
#include <new>
#include <vector>

namespace qb {

using namespace text_mesh;

namespace {

// The first line of a text mesh, read as the reader reads it; false when the file can't be opened.
bool ReadHeaderLine(const std::string& path, std::string& header)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string head(kFirstLineLimit + 2, '\0');
    head.resize(std::fread(head.data(), 1, head.size(), file));
    std::fclose(file);
    CLineReader reader(head);
    header = std::string(reader.Next(kFirstLineLimit).substr(0, kHeaderRecordChars));
    return true;
}

bool ReportThird(IProgress* progress, int third, std::int64_t tile, std::int64_t n)
{
    if (!progress)
        return true;
    progress->Report(33 * third + 33 * tile / std::max<std::int64_t>(n, 1), 100);
    return !progress->IsCancelled();
}

} // namespace

int CHeightGrid::JoinTextMeshes(const std::vector<std::string>& tiles, const CAreaRecord& area, IProgress* progress)
{
    const int across = area.Across(), down = area.Down();
    const auto n = static_cast<std::int64_t>(tiles.size());
    if (across <= 0 || down <= 0 || n != std::int64_t(across) * down)
        return 0;
    m_nFileType = FileTypeOfPath(tiles.front());
    m_bJoined = 1;
    FreeBuffers(true);
    std::vector<bool> usable(tiles.size(), false);
    int columns = 0, rows = 0;
    bool any = false;
    for (std::int64_t t = 0; t < n; ++t) {
        std::string header;
        if (ReadHeaderLine(tiles[t], header)) {
            const int c = FieldInt(header, kColumnsPos, 3), r = FieldInt(header, kRowsPos, 3);
            if (c < kMinSize || c > kMaxSize || r < kMinSize || r > kMaxSize)
                return 0;
            const float south = float(FieldAngle(header, kSouthPos)), west = float(FieldAngle(header, kWestPos));
            const float north = float(FieldAngle(header, kNorthPos)), east = float(FieldAngle(header, kEastPos));
            SetExtent(any ? std::min(m_fSouth, south) : south, any ? std::max(m_fNorth, north) : north,
                      any ? std::min(m_fWest, west) : west, any ? std::max(m_fEast, east) : east);
            if (!any) {
                columns = c;
                rows = r;
            }
            // A tile of other dimensions than the first can't be placed; it counts as missing.
            usable[t] = c == columns && r == rows;
            m_joinHeaders.push_back(header);
            any = true;
        }
        if (!ReportThird(progress, 1, t, n))
            return 0;
    }
    if (!any)
        return 0;
    m_nFileCols = columns;
    m_nFileRows = rows;
    m_nMeshSize = m_nMeshSize2 = columns == 200 ? 50 : 250;
    const std::int64_t total = std::int64_t(columns) * across * rows * down;
    if (total > kMaxGridPoints)
        return 0;
    std::unique_ptr<float[]> heights(new (std::nothrow) float[static_cast<std::size_t>(total)]);
    if (!heights)
        return 0;
    std::fill(heights.get(), heights.get() + total, kNoData);
    AdoptHeights(std::move(heights), columns * across, rows * down);
    std::vector<float> scratch(static_cast<std::size_t>(columns) * rows);
    for (std::int64_t t = 0; t < n; ++t) {
        if (usable[t] && ReadTextMeshData(tiles[t], scratch.data(), columns, rows))
            CopyTile(scratch.data(), (t / across) * rows, (t % across) * columns, false);
        if (!ReportThird(progress, 2, t + 1, n))
            return 0;
    }
    // Missing tiles and points without data are 0, as the text meshes read them alone.
    ZeroTextMeshNoData();
    m_nValidPoints = static_cast<std::int32_t>(DataPoints());
    UpdateMinMax();
    m_strPath = area.ListFlag() ? area.AreaNameUtf8() : area.BaseFile();
    m_bNewDatum = 0;
    return 1;
}

} // namespace qb
