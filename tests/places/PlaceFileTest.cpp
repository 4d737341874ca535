#include "places/PlaceFile.h"
#include "places/PlaceFileFormat.h"
#include "places/PlaceFileReader.h"
#include "places/PlaceKinds.h"
#include "places/PlacePaths.h"
#include "platform/MemorySettingsStore.h"
#include "tests/places/PlaceBuilders.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/PlaceFiles.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace qb {
namespace {

using test::Format1Line;
using test::Format2Line;
using test::Format3Line;
using test::PlaceHeader;
using test::PlaceHeaderSpec;

const std::string kFuji = "\x95\x78\x8e\x52";  // 富山 in code page 932

// A coordinate as a record holds it: files the program writes carry floats.
double F(double value)
{
    return static_cast<float>(value);
}

// Fifteen full-width characters (あ ... ) are 30 bytes.
std::string FullWidth(int n, std::string s = "")
{
    for (int i = 0; i < n; ++i)
        s += std::string("\x82") + static_cast<char>(0xA0 + i);
    return s;
}

PlaceHeaderSpec Header(int format, int columns = 0, int rows = 0)
{
    PlaceHeaderSpec spec;
    spec.format = format;
    spec.columns = columns;
    spec.rows = rows;
    return spec;
}

CPlaceTable Read(const std::string& text, PlaceReadOptions options = {})
{
    CPlaceTable table;
    ReadPlaceText(text, options, table);
    return table;
}

TEST(PlaceFileFormat, FormatOneRowsRunFromTheNorthEdgeToTheSouthEdge)
{
    const std::string text = PlaceHeader(Header(1, 200, 200)) + Format1Line(0, 0, 2, 12345, "north") +
                             Format1Line(199, 199, 9, -52, "south") + Format1Line(100, 50, 13, 0, "mid");
    const CPlaceTable t = Read(text);
    ASSERT_EQ(t.Count(), 3);
    EXPECT_FLOAT_EQ(t[0].oldLat, 35.0f + 25.0f / 60.0f);
    EXPECT_FLOAT_EQ(t[0].oldLon, 138.0f + 37.5f / 60.0f);
    EXPECT_FLOAT_EQ(t[1].oldLat, 35.0f + 20.0f / 60.0f);
    EXPECT_FLOAT_EQ(t[1].oldLon, 138.75f);
    EXPECT_EQ(std::tuple(t[1].col, t[1].row, t[1].kind, t[1].height), std::tuple(199, 199, 9, -5.2f));
    EXPECT_EQ(std::tuple(t[0].height, t[0].Name()), std::tuple(1234.5f, "north"));
    // Without system names the new pair is the old one; format 1 gives no coordinates of its own.
    EXPECT_EQ(t[2].newLat, t[2].oldLat);
    EXPECT_EQ(t[2].coordsFromFile, 0);

    // A mesh of fewer than three rows gives no latitude, so no new pair.
    const CPlaceTable flat = Read(PlaceHeader(Header(1, 200, 2)) + Format1Line(5, 1, 0, 10, "x"));
    EXPECT_EQ(std::tuple(flat[0].oldLat, flat[0].newLat, flat[0].newLon), std::tuple(-1.0f, -1.0f, -1.0f));
    EXPECT_NE(flat[0].oldLon, -1.0f);
    EXPECT_EQ(std::pair(flat[0].col, flat[0].row), std::pair(5, 1));
}

TEST(PlaceFileFormat, FormatTwoAndThreeAreShiftedAndPlacedOnTheGrid)
{
    CPlaceTables tables;
    test::SetSystemRecords(tables, {test::Shifted(36.0f, 138.0f, 0.003f, -0.003f)});
    CHeightGrid grid;
    test::FillGrid(grid, 101, 101, [](int, int) { return 0.0f; }, 35.0f, 35.1f, 139.0f, 139.1f);
    grid.m_bNewDatum = 1;

    PlaceReadOptions options;
    options.datum = &tables;
    options.grid = &grid;
    options.origin = 1;
    // Far from the only system name, still its shift.
    const CPlaceTable two = Read(PlaceHeader(Header(2)) + Format2Line(12, 9999, 35.047, 139.053, "pass"), options);
    ASSERT_EQ(two.Count(), 1);
    EXPECT_NEAR(two[0].newLat, 35.050, 2e-5);
    EXPECT_NEAR(two[0].newLon, 139.050, 2e-5);
    EXPECT_EQ(std::tuple(two[0].col, two[0].row, int(two[0].coordsFromFile), int(two[0].origin)), std::tuple(50, 50, 1, 1));

    const std::string three = PlaceHeader(Header(3)) + Format3Line(3, 50, 1, 2, 35.02, 139.09, "river");
    const CPlaceTable placed = Read(three, options);
    EXPECT_EQ(std::pair(placed[0].col, placed[0].row), std::pair(90, 80));
    EXPECT_FLOAT_EQ(placed[0].oldLon, 2.0f);
    grid.m_bNewDatum = 0;  // an old-datum grid places by the old pair: off the grid
    EXPECT_EQ(Read(three, options)[0].col, -1);
    grid.m_bNewDatum = 1;
    options.keepPosition = true;
    EXPECT_EQ(Read(three, options)[0].col, -1);
    options.count = 0;
    EXPECT_EQ(Read(three, options).Count(), 0);
}

TEST(PlaceFileFormat, HeaderFormatNumbers)
{
    for (const auto& [field, format] : std::vector<std::pair<std::string, int>>{
             {"00", 1}, {"01", 1}, {"02", 2}, {"03", 3}, {"09", 3}, {"-5", 1}, {"ab", 1}, {"  ", 1}}) {
        std::string header = PlaceHeader(Header(3, 12, 34));
        header.replace(68, 2, field);
        const PlaceFileHeader h = ParsePlaceHeader(header);
        EXPECT_EQ(h.format, format) << field;
        EXPECT_EQ(std::pair(h.columns, h.rows), std::pair(12, 34));
    }
    EXPECT_EQ(ParsePlaceHeader("").format, 1);
}

TEST(PlaceFileFormat, NamesRunToTheLineEndAndAreCutOnACharacterBoundary)
{
    const std::string text = PlaceHeader(Header(3)) + Format3Line(0, 0, 35, 139, 35, 139, FullWidth(15)) +
                             Format3Line(0, 0, 35, 139, 35, 139, FullWidth(16)) +
                             Format3Line(0, 0, 35, 139, 35, 139, std::string(40, 'a')) +
                             Format3Line(0, 0, 35, 139, 35, 139, kFuji + "  ") +
                             Format3Line(0, 0, 35, 139, 35, 139, FullWidth(16, "x")) +
                             Format3Line(0, 0, 35, 139, 35, 139, "x" + kFuji.substr(0, 3) + std::string("\0\0z", 3));
    const CPlaceTable t = Read(text);
    ASSERT_EQ(t.Count(), 6);
    EXPECT_EQ(t[0].Name(), FullWidth(15));
    EXPECT_EQ(t[1].Name(), FullWidth(15));
    EXPECT_EQ(t[2].Name(), std::string(31, 'a'));
    EXPECT_EQ(t[3].Name(), kFuji + "  ");
    EXPECT_EQ(t[4].Name(), FullWidth(15, "x"));
    EXPECT_EQ(t[5].Name(), "x" + kFuji.substr(0, 2)) << "a zero byte ends the name; the character it splits goes";
    EXPECT_EQ(Read(UserPlaceFileText(t.Records()))[5].Name(), t[5].Name()) << "and the saved name reads back";
}

TEST(PlaceFileFormat, HostileTextNeverBreaksTheReader)
{
    // A very long line gives one record from its first 300 characters; the
    // rest is not read as further records.
    std::string longName(100000, 'n');
    const std::string text = PlaceHeader(Header(3)) + Format3Line(1, 10, 35, 139, 35, 139, longName) +
                             "05\r\n" + "\r\n" + Format3Line(2, 20, 36, 140, 36, 140, "after");
    EXPECT_EQ(CountPlaceRecords(text), 3);
    const CPlaceTable t = Read(text);
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t[0].Name(), std::string(31, 'n'));
    // Missing fields: the kind is read, the coordinates are unknown.
    EXPECT_EQ(t[1].kind, 5);
    for (const float value : {t[1].oldLat, t[1].oldLon, t[1].newLat, t[1].newLon})
        EXPECT_EQ(value, -1.0f);
    EXPECT_EQ(t[2].Name(), "after");
    // Kind codes the program does not know read as "others".
    EXPECT_EQ(Read(PlaceHeader(Header(2)) + Format2Line(77, 0, 35, 139, "k"))[0].kind, 13);
    EXPECT_EQ(Read(PlaceHeader(Header(3)) + "-3\r\n")[0].kind, 13);
    // Not-a-number coordinates are unknown.
    const CPlaceTable nan = Read(PlaceHeader(Header(2)) + "0100000         nan    1e999999n\r\n");
    EXPECT_EQ(std::pair(nan[0].oldLat, nan[0].oldLon), std::pair(-1.0f, -1.0f));
    EXPECT_EQ(Read("").Count(), 0);
    EXPECT_EQ(Read(PlaceHeader(Header(3))).Count(), 0);

    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string garbage(random() % 4000, '\0');
        for (char& c : garbage)
            c = static_cast<char>(random());
        for (const int format : {0, 1, 2, 3}) {
            const CPlaceTable t = Read(format == 0 ? garbage : PlaceHeader(Header(format, 50, 50)) + garbage);
            for (const PlaceRecord& r : t.Records())
                EXPECT_TRUE(r.Name().size() <= 31 && IsPlaceKind(r.kind));
        }
    }
}

TEST(PlacePaths, WhereEachFileLives)
{
    CMemorySettingsStore settings;
    EXPECT_EQ(PlaceFolder(settings), "./place");
    settings.WriteSettingString("FileInit", "PlnDir", "/p");
    EXPECT_EQ(SystemPlaceFile(PlaceFolder(settings)), "/p/tessim2.pln");
    EXPECT_EQ(UserPlaceFile("/db"), "/db/user.pln");

    test::CTempDir dir;
    EXPECT_EQ(PlaceFileOf(dir.File("USER.PLN"), false, "/p"), dir.File("USER.PLN"));
    EXPECT_EQ(PlaceFileOf("/x/tessim2.pln", true, "/p"), "/x/tessim2.pln");
    EXPECT_EQ(PlaceFileOf("/d/10m/5339-06.3dm", true, "/p"), "/p/5339-06.pln");
    EXPECT_EQ(PlaceFileOf(dir.File("533805.mem"), false, "/p"), "/p/533805.pln");
    test::WriteFileBytes(dir.File("533805.pln"), "");
    EXPECT_EQ(PlaceFileOf(dir.File("533805.mem"), false, "/p"), dir.File("533805.pln"));
    EXPECT_EQ(PlaceFileOf("/a.b/noext", false, "/p"), "/p/noext.pln");
}

class UserPlaceFileTest : public ::testing::Test {
protected:
    test::CTempDir dir;
    CPlaceTables tables;
    CHeightGrid grid;
    test::CRecordingMessageSink messages;
    CPlaceFiles files{tables, grid, PlaceFolders{dir.Path(), dir.Path()}, &messages};

    static std::string BlankHeader()
    {
        std::string h(168, ' ');
        h.replace(68, 2, "03");
        return h + "\r\n";
    }
};

TEST_F(UserPlaceFileTest, SavingWhatWasReadGivesTheSameBytes)
{
    std::string bytes =
        BlankHeader() + Format3Line(0, 37760, F(35.3605556), F(138.7277778), F(35.3638), F(138.7245), kFuji) +
        Format3Line(13, -123, -1, -1, -1, -1, FullWidth(15)) +
        Format3Line(9, 7, F(43.6632), F(142.8547), F(43.6658), F(142.851), "") +
        Format3Line(4, 99999, 24.0, 123.5, F(24.0021), F(123.4989), "a b ");
    // Every height in tenths comes back as it was written.
    for (int tenths = -9999; tenths <= 99999; tenths += 7)
        bytes += Format3Line(1, tenths, 35, 139, 35, 139, "h");
    test::WriteFileBytes(dir.File("user.pln"), bytes);
    EXPECT_EQ(files.LoadUserPlaces(), 4 + 15715);
    EXPECT_GE(tables.User().Capacity(), 4 + 15715 + 500);
    EXPECT_EQ(tables.User()[0].origin + tables.User()[0].coordsFromFile, 2);
    tables.SetModified(true);
    EXPECT_EQ(files.SaveUserPlaces(), 1);
    EXPECT_FALSE(tables.IsModified());
    EXPECT_EQ(test::ReadFileBytes(dir.File("user.pln")), bytes);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(UserPlaceFileTest, OlderFormatsGiveNoUserNamesButAreSavedAsFormatThree)
{
    test::WriteFileBytes(dir.File("user.pln"), PlaceHeader(Header(2)) + Format2Line(0, 10, 35, 139, "old"));
    EXPECT_EQ(files.LoadUserPlaces(), 0);
    EXPECT_EQ(tables.User().Count(), 0);

    test::WriteFileBytes(dir.File("a.pln"), PlaceHeader(Header(1, 200, 200)) + Format1Line(10, 20, 5, 55, "one"));
    test::WriteFileBytes(dir.File("b.pln"), PlaceHeader(Header(2)) + Format2Line(6, 66, 36.5, 137.25, "two"));
    EXPECT_EQ(files.CountPlaces(dir.File("a.mem")), 1);
    EXPECT_EQ(files.ReadPlaces(dir.File("a.mem"), tables.User(), 1, false, 1), 1);
    EXPECT_EQ(files.ReadPlaces(dir.File("b.mem"), tables.User(), 1, false, 1), 1);
    ASSERT_EQ(files.SaveUserPlaces(), 1);

    const std::string saved = test::ReadFileBytes(dir.File("user.pln"));
    EXPECT_EQ(saved.substr(0, 170), BlankHeader());
    const CPlaceTable back = Read(saved);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(std::tuple(back[0].kind, back[0].height, back[0].oldLat), std::tuple(5, 5.5f, tables.User()[0].oldLat));
    EXPECT_EQ(std::tuple(back[1].oldLon, back[1].newLon, back[1].Name()), std::tuple(137.25f, 137.25f, "two"));
}

TEST_F(UserPlaceFileTest, NumbersTooWideForTheirColumnsKeepTheLineReadable)
{
    PlaceRecord r = test::Shifted(35.5f, 1.0e7f, 0.0f, 0.0f);
    r.newLon = 139.5f;
    r.height = 123456.0f;
    r.SetName("wide");
    tables.User().Append(r);
    r.height = -2000.0f;
    tables.User().Append(r);
    ASSERT_EQ(files.SaveUserPlaces(), 1);
    const CPlaceTable back = Read(test::ReadFileBytes(dir.File("user.pln")));
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(std::pair(back[0].height, back[1].height), std::pair(9999.9f, -999.9f));
    EXPECT_EQ(std::tuple(back[0].oldLon, back[0].newLon, back[0].Name()), std::tuple(-1.0f, 139.5f, "wide"));
}

TEST_F(UserPlaceFileTest, DeletingTheLastNameLeavesTheHeaderOnly)
{
    test::WriteFileBytes(dir.File("user.pln"), BlankHeader() + Format3Line(0, 0, 35, 139, 35, 139, "only"));
    files.LoadUserPlaces();
    tables.User().RemoveAt(0);
    ASSERT_EQ(files.SaveUserPlaces(), 1);
    EXPECT_EQ(test::ReadFileBytes(dir.File("user.pln")), BlankHeader());
}

TEST_F(UserPlaceFileTest, AFileTooLargeToReadIsNamedAndNeverReplaced)
{
    // A sparse file: its size is seen, no disk is used.
    const std::string user = dir.File("user.pln");
    test::WriteFileBytes(user, BlankHeader() + Format3Line(0, 0, 35, 139, 35, 139, "kept"));
    std::filesystem::resize_file(user, kMaxPlaceFileBytes + 1);
    EXPECT_EQ(files.LoadUserPlaces(), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{PlaceFileTooLargeMessage(user)});
    tables.User().Append(PlaceRecord{});
    tables.SetModified(true);
    EXPECT_EQ(files.SaveUserPlaces(), 0);
    EXPECT_TRUE(tables.IsModified());
    EXPECT_EQ(std::filesystem::file_size(user), std::uintmax_t(kMaxPlaceFileBytes + 1));

    std::filesystem::copy_file(user, dir.File("system.pln"));
    EXPECT_EQ(files.LoadSystemPlacesFrom(dir.File("system.pln")), 0);
    EXPECT_EQ(messages.Texts().back(), PlaceFileTooLargeMessage(dir.File("system.pln")));
    EXPECT_EQ(files.CountPlaces(dir.File("system.mem")), 0);
}

TEST_F(UserPlaceFileTest, AFileThatCannotBeWrittenIsReportedAndStaysModified)
{
    CPlaceFiles nowhere(tables, grid, PlaceFolders{dir.Path(), dir.File("missing")}, &messages);
    tables.User().Append(PlaceRecord{});
    tables.SetModified(true);
    EXPECT_EQ(nowhere.SaveUserPlaces(), 0);
    EXPECT_TRUE(tables.IsModified());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"地名ファイルを保存できませんでした。"});
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);

    // A folder in the file's place: nothing is replaced, nothing is left behind.
    std::filesystem::create_directory(dir.File("user.pln"));
    EXPECT_EQ(files.SaveUserPlaces(), 0);
    EXPECT_EQ(messages.Messages().size(), 2u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(UserPlaceFileTest, MissingFilesCountAsEmptyWithoutAMessage)
{
    EXPECT_EQ(files.CountPlaces(dir.File("none.mem")), 0);
    EXPECT_EQ(files.ReadPlaces(dir.File("none.mem"), tables.User(), 10, false, 1), 0);
    EXPECT_EQ(files.LoadUserPlaces(), 0);
    EXPECT_EQ(files.LoadSystemPlaces(), 0);
    EXPECT_GE(tables.User().Capacity(), 500);
    EXPECT_TRUE(messages.Messages().empty());
}

} // namespace
} // namespace qb
