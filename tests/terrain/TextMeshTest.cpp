#include "terrain/HeightGrid.h"
#include "terrain/TextMeshFormat.h"

#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

using test::CTempDir;
using test::WriteFileBytes;

// A header line with the size at 23-28, the corners at 29-56 and a row flag
// per row at 225 + i.
std::string Header(int columns, int rows, const std::string& rowFlags,
                   const std::string& corners = "0354000139300003545001394500")
{
    std::string line(1009, ' ');
    line.replace(0, 6, "533946");
    line.replace(11, 4, "1981");
    char size[8];
    std::snprintf(size, sizeof size, "%03d%03d", columns, rows);
    line.replace(23, 6, size);
    line.replace(29, corners.size(), corners);
    line.replace(225, rowFlags.size(), rowFlags);
    return line;
}

std::string DataLine(int row, const std::vector<int>& tenths)
{
    char lead[16];
    std::snprintf(lead, sizeof lead, "533946%03d", row + 1);
    std::string line = lead;
    for (int v : tenths) {
        char field[8];
        std::snprintf(field, sizeof field, "%5d", v);
        line += field;
    }
    return line;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

TEST(TextMesh, ReadsHeightsAbsentRowsAndNoData)
{
    CTempDir dir;
    const int columns = 12;
    std::vector<int> row0(columns, 500), row2(columns, 0);
    row0[3] = -9999;
    row0[4] = 12345;
    row0[5] = -15;
    row2[11] = 42;
    const std::string text =
        Lines({Header(columns, 10, "1011111111"), DataLine(0, row0), DataLine(2, row2),
               DataLine(3, std::vector<int>(columns, 7)), DataLine(4, {}), DataLine(5, {1, 2})});
    WriteFileBytes(dir.File("a.sem"), text);

    CHeightGrid grid;
    ASSERT_EQ(grid.LoadFile(dir.File("a.sem")), 1);
    EXPECT_EQ(grid.m_nFileType, kFileSem);
    EXPECT_EQ(grid.m_nCols, columns);
    EXPECT_EQ(grid.m_nRows, 10);
    EXPECT_EQ(grid.m_nMeshSize, 250);
    EXPECT_EQ(grid.m_nMeshSize2, 250);
    EXPECT_EQ(grid.m_bNewDatum, 0);
    EXPECT_EQ(grid.m_strTextHeader.size(), 1008u);
    EXPECT_FLOAT_EQ(grid.Height(0, 0), 50.0f);
    EXPECT_FLOAT_EQ(grid.Height(0, 3), 0.0f) << "-9999 reads as 0";
    EXPECT_FLOAT_EQ(grid.Height(0, 4), 1234.5f);
    EXPECT_FLOAT_EQ(grid.Height(0, 5), -1.5f);
    for (int c = 0; c < columns; ++c)
        EXPECT_EQ(grid.Height(1, c), 0.0f) << "row flagged absent";
    EXPECT_FLOAT_EQ(grid.Height(2, 11), 4.2f) << "the line after an absent row is row 2";
    EXPECT_FLOAT_EQ(grid.Height(3, 0), 0.7f);
    EXPECT_EQ(grid.Height(4, 0), 0.0f) << "a line without fields";
    EXPECT_FLOAT_EQ(grid.Height(5, 1), 0.2f);
    EXPECT_EQ(grid.Height(5, 2), 0.0f) << "fields past the end of a short line";
    EXPECT_EQ(grid.Height(9, 0), 0.0f) << "rows past the end of the file";
    EXPECT_FLOAT_EQ(grid.m_fMaxHeight, 1234.5f);
    EXPECT_FLOAT_EQ(grid.m_fMinHeight, -1.5f);
}

TEST(TextMesh, SpacingFollowsTheColumnCountAndOddSizesAreRefused)
{
    CTempDir dir;
    const auto Load = [&](int columns, int rows, test::CRecordingMessageSink& messages) {
        WriteFileBytes(dir.File("m.mem"), Lines({Header(columns, rows, std::string(rows, '0'))}));
        CHeightGrid grid(CTerrainEnv{&messages});
        const int ok = grid.LoadFile(dir.File("m.mem"));
        return ok ? grid.m_nMeshSize : -1;
    };
    test::CRecordingMessageSink messages;
    EXPECT_EQ(Load(200, 200, messages), 50);
    EXPECT_EQ(Load(40, 40, messages), 250);
    EXPECT_EQ(Load(10, 10, messages), 250);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Load(9, 40, messages), -1);
    EXPECT_EQ(Load(40, 9, messages), -1);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, std::string(kNotDataFileMessage))));
}

TEST(TextMesh, CoordinateFieldsInBothForms)
{
    using text_mesh::FieldAngle;
    EXPECT_DOUBLE_EQ(FieldAngle("1393000", 0), 139.5);
    EXPECT_DOUBLE_EQ(FieldAngle("0354500", 0), 35.75);
    EXPECT_DOUBLE_EQ(FieldAngle("xx1392015", 2), 139.0 + 20 / 60.0 + 15 / 3600.0);
    EXPECT_DOUBLE_EQ(FieldAngle("-139303", 0), -(139.5 + 30 / 3600.0));
    EXPECT_DOUBLE_EQ(FieldAngle("-035001", 0), -(35.0 + 10 / 3600.0));
    EXPECT_DOUBLE_EQ(FieldAngle("13930", 0), 139.5) << "missing seconds read as 0";

    CTempDir dir;
    WriteFileBytes(dir.File("c.mem"), Lines({Header(10, 10, std::string(10, '0'))}));
    CHeightGrid grid;
    ASSERT_EQ(grid.ReadTextMesh(dir.File("c.mem")), 1);
    EXPECT_FLOAT_EQ(grid.m_fSouth, 35.0f + 40.0f / 60.0f);
    EXPECT_FLOAT_EQ(grid.m_fWest, 139.5f);
    EXPECT_FLOAT_EQ(grid.m_fNorth, 35.75f);
    EXPECT_FLOAT_EQ(grid.m_fEast, 139.75f);
}

TEST(TextMesh, HeightFieldsMatchTheTenthsExactly)
{
    // value / 10 in double, rounded once to float, for every field value.
    for (int v = -9999; v <= 99999; v += 7) {
        char field[16];
        std::snprintf(field, sizeof field, "123456789%5d", v);
        const float expected = v == -9999 ? kNoData : static_cast<float>(v * 0.1);
        ASSERT_EQ(text_mesh::FieldHeight(field, 0), expected) << v;
    }
    EXPECT_EQ(text_mesh::FieldHeight("123456789  120", 1), kNoData) << "a field past the end of the line";
}

TEST(TextMesh, LineReaderCarriesOverLongLinesAndDropsLineEnds)
{
    text_mesh::CLineReader reader("abcdef\r\nxy\nlast");
    EXPECT_EQ(reader.Next(4), "abcd");
    EXPECT_EQ(reader.Next(4), "ef");
    EXPECT_EQ(reader.Next(2), "xy") << "a line exactly at the limit leaves no empty line behind";
    EXPECT_EQ(reader.Next(100), "last");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(TextMesh, JoinReaderFillsTheCallersArray)
{
    CTempDir dir;
    WriteFileBytes(dir.File("j.mem"),
                   Lines({Header(10, 10, "0111111111"), DataLine(1, std::vector<int>(10, 30))}));
    std::vector<float> scratch(100, -1.0f);
    ASSERT_EQ(CHeightGrid::ReadTextMeshData(dir.File("j.mem"), scratch.data(), 10, 10), 1);
    EXPECT_EQ(scratch[0], kNoData) << "a row flagged absent has no data, for the join to mark";
    EXPECT_FLOAT_EQ(scratch[10], 3.0f);
    EXPECT_EQ(scratch[99], kNoData) << "rows past the end of the file";
    EXPECT_EQ(CHeightGrid::ReadTextMeshData(dir.File("none.mem"), scratch.data(), 10, 10), 0);
}

TEST(TextMesh, GdalsTinyTestFileIsRefusedBySize)
{
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    EXPECT_EQ(grid.LoadFile(test::SourcePath("tests/data/jdem/fakejdem.mem")), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNotDataFileMessage)});
}

} // namespace
} // namespace qb
