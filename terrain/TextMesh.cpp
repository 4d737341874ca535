// Reading the .mem / .sem text meshes.
#include "terrain/HeightGrid.h"

#include "platform/FileRead.h"
#include "platform/MessageSink.h"
#include "terrain/TextMeshFormat.h"

#include <new>

namespace qb {

using namespace text_mesh;

namespace {

bool IsValidSize(int count)
{
    return count >= kMinSize && count <= kMaxSize;
}

} // namespace

int CHeightGrid::ReadTextMesh(const std::string& path)
{
    FreeBuffers(true);
    std::string text;
    if (!ReadWholeFile(path, text))
        return 0;
    CLineReader reader(text);
    const std::string_view firstLine = reader.Next(kFirstLineLimit);
    m_strTextHeader = std::string(firstLine.substr(0, kHeaderRecordChars));

    const int columns = FieldInt(m_strTextHeader, kColumnsPos, 3);
    const int rows = FieldInt(m_strTextHeader, kRowsPos, 3);
    if (!IsValidSize(columns) || !IsValidSize(rows))
        return RefuseFile();
    SetExtent(static_cast<float>(FieldAngle(m_strTextHeader, kSouthPos)),
              static_cast<float>(FieldAngle(m_strTextHeader, kNorthPos)),
              static_cast<float>(FieldAngle(m_strTextHeader, kWestPos)),
              static_cast<float>(FieldAngle(m_strTextHeader, kEastPos)));
    m_nMeshSize = m_nMeshSize2 = columns == 200 ? 50 : 250;
    m_nFileCols = columns;
    m_nFileRows = rows;
    ClearSourceFacts();

    std::unique_ptr<float[]> heights(new (std::nothrow) float[std::size_t(columns) * std::size_t(rows)]);
    if (!heights) {
        ShowMessage(kOutOfMemoryMessage);
        return 0;
    }
    ReadRows(reader, m_strTextHeader, heights.get(), columns, rows,
             static_cast<std::size_t>(columns) * kFieldWidth + 50);
    AdoptHeights(std::move(heights), columns, rows);
    ZeroTextMeshNoData();
    m_nValidPoints = static_cast<std::int32_t>(DataPoints());
    UpdateMinMax();
    m_strPath = path;
    m_bNewDatum = 0;
    return 1;
}

int CHeightGrid::ReadTextMeshData(const std::string& path, float* scratch, int columns, int rows)
{
    std::string text;
    if (!ReadWholeFile(path, text))
        return 0;
    CLineReader reader(text);
    const std::string_view header = reader.Next(kFirstLineLimit).substr(0, kHeaderRecordChars);
    ReadRows(reader, header, scratch, columns, rows,
             static_cast<std::size_t>(columns) * kFieldWidth + 20);
    return 1;
}

} // namespace qb
