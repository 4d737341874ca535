#include "terrain/HeightGrid.h"

#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

namespace qb {
namespace {

using test::CTempDir;
using test::FillGrid;
using test::ReadFileBytes;
using test::WriteFileBytes;

std::int32_t IntAt(const std::string& bytes, std::size_t offset)
{
    return LoadInt32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset);
}

float FloatAt(const std::string& bytes, std::size_t offset)
{
    return LoadFloat32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + offset);
}

CHeightGrid MakeTile(int validPoints, int date, float base = 100.0f)
{
    CHeightGrid grid;
    FillGrid(grid, 1125, 750, [base](int r, int c) { return base + 0.5f * r - 0.25f * c; });
    grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
    grid.m_nValidPoints = validPoints;
    grid.m_nDataDate = date;
    return grid;
}

TEST(TileFile, WritesEveryHeaderByteAndReadsBack)
{
    CTempDir dir;
    const std::string path = dir.File("tile.3dm");
    CHeightGrid grid = MakeTile(843750, 20161001);
    grid.m_nMeshSize2 = 9;  // told apart from the east-west spacing
    ASSERT_EQ(grid.WriteTile(path), 1);

    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.size(), 128u + 1125u * 750u * 4u);
    EXPECT_EQ(bytes.substr(0, 4), "TQZH");
    EXPECT_EQ(IntAt(bytes, 4), 2);
    EXPECT_EQ(IntAt(bytes, 8), 0);
    EXPECT_EQ(bytes.substr(12, 4), std::string("\0\0\0\2", 4));
    EXPECT_EQ(IntAt(bytes, 32), 1125);
    EXPECT_EQ(IntAt(bytes, 52), 750);
    EXPECT_EQ(IntAt(bytes, 72), 10);
    EXPECT_EQ(IntAt(bytes, 92), 9);
    EXPECT_EQ(IntAt(bytes, 96), 843750);
    EXPECT_EQ(IntAt(bytes, 100), 20161001);
    EXPECT_EQ(IntAt(bytes, 104), 1);
    EXPECT_FLOAT_EQ(FloatAt(bytes, 112), 35.0f);
    EXPECT_FLOAT_EQ(FloatAt(bytes, 116), 139.0f);
    EXPECT_FLOAT_EQ(FloatAt(bytes, 120), 35.0833f);
    EXPECT_FLOAT_EQ(FloatAt(bytes, 124), 139.125f);
    for (std::size_t zero : {16u, 20u, 24u, 28u, 36u, 40u, 44u, 48u, 56u, 60u, 64u, 68u, 76u, 80u, 84u, 88u, 108u})
        EXPECT_EQ(IntAt(bytes, zero), 0) << "reserved word at " << zero;
    EXPECT_FLOAT_EQ(FloatAt(bytes, 128), 100.0f);
    EXPECT_FLOAT_EQ(FloatAt(bytes, 128 + 4 * 1126), 100.25f);

    CHeightGrid back;
    ASSERT_EQ(back.ReadTile(path), 1);
    EXPECT_EQ(back.m_nCols, 1125);
    EXPECT_EQ(back.m_nRows, 750);
    EXPECT_EQ(back.m_nFileCols, 1125);
    EXPECT_EQ(back.m_nMeshSize, 10);
    EXPECT_EQ(back.m_nMeshSize2, 9);
    EXPECT_EQ(back.m_nPoints, 843750);
    EXPECT_EQ(back.m_nDataBytes, 3375000);
    EXPECT_EQ(back.m_bNewDatum, 1);
    EXPECT_EQ(back.m_nValidPoints, 843750);
    EXPECT_EQ(back.m_nDataDate, 20161001);
    EXPECT_EQ(back.m_strPath, path);
    EXPECT_FLOAT_EQ(back.m_fMaxHeight, 100.0f + 0.5f * 749);
    EXPECT_FLOAT_EQ(back.m_fMinHeight, 100.0f - 0.25f * 1124);
    EXPECT_EQ(std::memcmp(back.Heights(), grid.Heights(), 843750 * 4), 0);
    EXPECT_EQ(std::memcmp(back.m_header.data(), bytes.data(), 128), 0);
}

TEST(TileFile, KeepsTheBetterOfTwoVersions)
{
    CTempDir dir;
    const std::string path = dir.File("t.3dm");
    ASSERT_EQ(MakeTile(500, 20160101, 1.0f).WriteTile(path), 1);
    const auto HeightAtStart = [&] { return FloatAt(ReadFileBytes(path), 128); };

    EXPECT_EQ(MakeTile(499, 20990101, 2.0f).WriteTile(path), 1) << "fewer points: kept";
    EXPECT_FLOAT_EQ(HeightAtStart(), 1.0f);
    EXPECT_EQ(MakeTile(500, 20150101, 3.0f).WriteTile(path), 1) << "older survey: kept";
    EXPECT_EQ(MakeTile(500, 20160101, 4.0f).WriteTile(path), 1) << "same survey: kept";
    EXPECT_FLOAT_EQ(HeightAtStart(), 1.0f);
    EXPECT_EQ(MakeTile(500, 20190130, 5.0f).WriteTile(path), 1) << "later survey: replaced";
    EXPECT_FLOAT_EQ(HeightAtStart(), 5.0f);
    EXPECT_EQ(MakeTile(501, 20000101, 6.0f).WriteTile(path), 1) << "more points: replaced";
    EXPECT_FLOAT_EQ(HeightAtStart(), 6.0f);
    EXPECT_EQ(MakeTile(1, 1, 7.0f).WriteTile(path, TileWriteMode::Replace), 1);
    EXPECT_FLOAT_EQ(HeightAtStart(), 7.0f);

    // A file of that name that is no tile is replaced.
    WriteFileBytes(path, "garbage");
    EXPECT_EQ(MakeTile(0, 0, 8.0f).WriteTile(path), 1);
    EXPECT_FLOAT_EQ(HeightAtStart(), 8.0f);
}

TEST(TileFile, AFailedWriteLeavesTheOldFileAndNoTemporaries)
{
    CTempDir dir;
    const std::string path = dir.File("t.3dm");
    ASSERT_EQ(MakeTile(5, 1).WriteTile(path), 1);
    const std::string before = ReadFileBytes(path);
    EXPECT_EQ(MakeTile(6, 1).WriteTile(dir.File("missing/t.3dm")), 0);
    std::filesystem::create_directory(dir.File("folder.3dm"));
    EXPECT_EQ(MakeTile(6, 1).WriteTile(dir.File("folder.3dm")), 0);
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2)
        << "only the tile and the folder remain";
}

std::string HeaderBytes(std::int32_t columns, std::int32_t rows)
{
    TileHeader h;
    h.columns = columns;
    h.rows = rows;
    h.meshSize = h.meshSize2 = 5;
    h.south = 35.0f;
    h.north = 35.1f;
    h.west = 139.0f;
    h.east = 139.1f;
    const TileHeaderBytes bytes = EncodeTileHeader(h);
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

TEST(TileFile, HostileHeadersAreRefusedWithTheMessage)
{
    std::string nanCorner = HeaderBytes(10, 10) + std::string(400, '\0');
    StoreFloat32(reinterpret_cast<std::uint8_t*>(nanCorner.data()) + tile_offset::kNorth, std::nanf(""));
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"wrong magic", "TQZX" + HeaderBytes(10, 10).substr(4) + std::string(400, '\0')},
        {"empty file", ""},
        {"three bytes", "TQZ"},
        {"header cut short", HeaderBytes(10, 10).substr(0, 60)},
        {"zero columns", HeaderBytes(0, 10)},
        {"negative rows", HeaderBytes(10, -5)},
        {"product beyond 32 bits", HeaderBytes(65536, 65537)},
        {"beyond the grid limit", HeaderBytes(50000, 50000)},
        {"a small file promising a billion points", HeaderBytes(40000, 25000)},
        {"a not-a-number corner", nanCorner},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.File("hostile.3dm");
        WriteFileBytes(path, c.bytes);
        test::CRecordingMessageSink messages;
        CHeightGrid grid(CTerrainEnv{&messages});
        EXPECT_EQ(grid.LoadFile(path), 0) << c.name;
        ASSERT_EQ(messages.Texts().size(), 1u) << c.name;
        EXPECT_EQ(messages.Texts()[0].substr(0, kNotDataFileMessage.size()), kNotDataFileMessage) << c.name;
        EXPECT_FALSE(grid.HasHeights()) << c.name;
    }
}

TEST(TileFile, ACutOffTileIsRefusedSayingHowMuchIsMissing)
{
    CTempDir dir;
    const std::string full = dir.File("full.3dm");
    CHeightGrid source;
    FillGrid(source, 30, 20, [](int r, int c) { return float(r * 30 + c); });
    ASSERT_EQ(source.WriteTile(full, TileWriteMode::Replace), 1);
    const std::string bytes = ReadFileBytes(full);
    ASSERT_EQ(bytes.size(), 128u + 600u * 4u);
    for (std::size_t keep : {0u, 7u, 599u * 4u + 3u}) {
        const std::string cut = dir.File("cut.3dm");
        WriteFileBytes(cut, bytes.substr(0, 128 + keep));
        test::CRecordingMessageSink messages;
        CHeightGrid grid(CTerrainEnv{&messages});
        EXPECT_EQ(grid.ReadTile(cut), 0) << keep;
        EXPECT_FALSE(grid.HasHeights());
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNotDataFileMessage) +
                                                             "\nファイルが途中で切れています: " +
                                                             std::to_string(128 + keep) +
                                                             " バイトしかありません (30 × 20 点のタイルは 2528 バイト)。"});
    }
    WriteFileBytes(dir.File("longer.3dm"), bytes + "trailing bytes");
    CHeightGrid longer;
    EXPECT_EQ(longer.ReadTile(dir.File("longer.3dm")), 1) << "bytes after the heights are ignored";
}

TEST(TileFile, UnreadableFileFailsSilently)
{
    test::CRecordingMessageSink messages;
    CHeightGrid grid(CTerrainEnv{&messages});
    EXPECT_EQ(grid.ReadTile("/nonexistent/x.3dm"), 0);
    EXPECT_TRUE(messages.Messages().empty());
}

struct ShiftingDatum final : IDatumConverter {
    void ToNewDatum(double& lat, double& lon) const override { lat += 0.003; lon -= 0.003; }
    void ToOldDatum(double& lat, double& lon) const override { lat -= 0.003; lon += 0.003; }
};

TEST(TileFile, OldDatumCornersAreConvertedWhenADocumentIsOpen)
{
    CTempDir dir;
    const std::string path = dir.File("old.3dm");
    std::string bytes = HeaderBytes(10, 10) + std::string(400, '\0');
    StoreInt32(reinterpret_cast<std::uint8_t*>(bytes.data()) + tile_offset::kDatumFlag, 0);
    WriteFileBytes(path, bytes);

    CHeightGrid alone;
    ASSERT_EQ(alone.ReadTile(path), 1);
    EXPECT_EQ(alone.m_bNewDatum, 0);
    EXPECT_FLOAT_EQ(alone.m_fNorth, 35.1f);

    ShiftingDatum datum;
    CHeightGrid withDocument(CTerrainEnv{nullptr, nullptr, &datum});
    ASSERT_EQ(withDocument.ReadTile(path), 1);
    EXPECT_EQ(withDocument.m_bNewDatum, 1);
    EXPECT_FLOAT_EQ(withDocument.m_fNorth, float(double(35.1f) + 0.003));
    EXPECT_FLOAT_EQ(withDocument.m_fEast, float(double(139.1f) - 0.003));
    const TileHeader copy = DecodeTileHeader(withDocument.m_header);
    EXPECT_EQ(copy.datumFlag, 1);
    EXPECT_FLOAT_EQ(copy.south, withDocument.m_fSouth);
}

} // namespace
} // namespace qb
