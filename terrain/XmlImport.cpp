// Reading one elevation XML file of the national mapping agency into the grid.
#include "terrain/HeightGrid.h"

#include "platform/MessageSink.h"
#include "terrain/ByteSource.h"
#include "terrain/XmlScanner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

namespace qb {

using namespace xml_scan;

namespace {

// The agency's tiles hold at most 1125 x 750 points, and a short tuple list
// is normal, so the file's length says nothing about its grid. A declared
// side beyond what a .3dm tile can hold is refused before the heights are
// allocated: it protects against a small damaged file taking gigabytes.
constexpr int kMaxXmlGridSide = 5000;

int Rounded(double value)
{
    return static_cast<int>(std::clamp(value + 0.5, -2.0e9, 2.0e9));
}

std::string MissingTagMessage(std::string_view tag)
{
    return "このデータは" + std::string(tag) + "情報がないので処理できません。";
}

std::string ReadWindow(IByteSource& source, std::int64_t offset)
{
    std::string window(kWindow, '\0');
    window.resize(source.ReadAt(std::max<std::int64_t>(offset, 0), window.data(), window.size()));
    return window;
}

} // namespace

int CHeightGrid::ImportXml(const std::string& path, bool showMessages)
{
    CFileByteSource file;
    if (!file.Open(path))
        return 0;
    return ImportXml(file, path, showMessages);
}

int CHeightGrid::ImportXml(IByteSource& source, const std::string& path, bool showMessages)
{
    FreeBuffers(true);
    const auto Fail = [&](const std::string& message) {
        if (showMessages && m_env.messages)
            m_env.messages->ShowMessage(message, MessageIcon::None);
        return 0;
    };
    const std::string head = ReadWindow(source, 0);
    const auto lower = PairAfter(head, "lowerCorner>");
    if (!lower)
        return Fail(MissingTagMessage("<gml:lowerCorner>"));
    const auto upper = PairAfter(head, "upperCorner>");
    if (!upper)
        return Fail(MissingTagMessage("<gml:upperCorner>"));
    const auto low = PairAfter(head, "<gml:low>");
    if (!low)
        return Fail(MissingTagMessage("<gml:low>"));
    const int lowX = Rounded(low->first), lowY = Rounded(low->second);
    if (lowX != 0 || lowY != 0) {
        char text[128];
        std::snprintf(text, sizeof text, "LOW が０ではありません。XLow:%d   YLow:%d", lowX, lowY);
        return Fail(text);
    }
    const auto high = PairAfter(head, "<gml:high>");
    if (!high)
        return Fail(MissingTagMessage("<gml:high>"));
    const int columns = Rounded(high->first) + 1, rows = Rounded(high->second) + 1;
    if (columns <= 0 || rows <= 0)
        return Fail(std::string(kNotDataFileMessage));
    if (columns > kMaxXmlGridSide || rows > kMaxXmlGridSide)
        return Fail(std::string(kNotDataFileMessage) + "\n格子が大きすぎます: " + std::to_string(columns) + " × " +
                    std::to_string(rows) + " 点 (" + std::to_string(kMaxXmlGridSide) + " × " +
                    std::to_string(kMaxXmlGridSide) + " 点まで)。");
    m_nCols = columns;
    m_nRows = rows;
    const int spacing = SpacingOfType(head);
    if (spacing == 0)
        return Fail(MissingTagMessage("<type>"));
    const std::size_t listTag = head.find("<gml:tupleList>");
    if (listTag == std::string::npos)
        return Fail(MissingTagMessage("<gml:tupleList>"));
    const std::int64_t size = source.Size();
    const std::int64_t tailStart = std::max<std::int64_t>(size - std::int64_t(kWindow), 0);
    const std::string tail = ReadWindow(source, tailStart);
    const auto start = PairAfter(tail, "<gml:startPoint>");
    if (!start)
        return Fail(MissingTagMessage("<startPoint>"));

    m_nDataDate = DateAfter(head);
    SetExtent(static_cast<float>(lower->first), static_cast<float>(upper->first),
              static_cast<float>(lower->second), static_cast<float>(upper->second));
    m_nMeshSize = m_nMeshSize2 = spacing;
    m_nStartX = Rounded(start->first);
    m_nStartY = Rounded(start->second);
    m_nFileCols = m_nCols;
    m_nFileRows = m_nRows;
    const std::int64_t points = std::int64_t(m_nCols) * m_nRows;
    std::unique_ptr<float[]> heights(new (std::nothrow) float[static_cast<std::size_t>(points)]);
    if (!heights)
        return Fail(std::string(kOutOfMemoryMessage));
    std::fill(heights.get(), heights.get() + points, kNoData);
    AdoptHeights(std::move(heights), m_nCols, m_nRows);

    // The list begins at the start point and runs on in row order, wrapping to
    // column 0 of the next row, as the sequence rule "+x-y" says.
    const std::size_t listEndInTail = tail.find("</gml:tupleList>");
    const std::int64_t listEnd = listEndInTail == std::string::npos ? size : tailStart + std::int64_t(listEndInTail);
    std::int64_t next = std::int64_t(m_nStartY) * m_nCols + m_nStartX;
    float* out = m_pHeights.get();
    ReadTupleList(source, std::int64_t(listTag) + 15, listEnd, [&](double value) {
        if (next < 0 || next >= points)
            return next < 0 ? (++next, true) : false;
        out[next++] = static_cast<float>(value);
        return true;
    });
    return FinishXmlHeights(path);
}

int CHeightGrid::FinishXmlHeights(const std::string& path)
{
    float highest = -9000.0f, lowest = 9000.0f;
    std::int32_t valid = 0;
    const float* h = m_pHeights.get();
    for (std::int64_t i = 0; i < m_nPoints; ++i) {
        const float v = h[i];
        highest = std::max(highest, v);
        if (v > 0.0f)
            lowest = std::min(lowest, v);
        if (v > -9000.0f)
            ++valid;
        else
            m_noData.Mark(i);
    }
    if (highest == -9000.0f && lowest == 9000.0f)
        return 0;
    m_fMaxHeight = highest;
    m_fMinHeight = lowest;
    m_strPath = path;
    m_nValidPoints = valid;
    m_bNewDatum = 1;
    return 1;
}

} // namespace qb
