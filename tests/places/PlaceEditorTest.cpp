#include "places/InputName.h"
#include "places/NameText.h"
#include "places/PlaceEditor.h"
#include "places/PlaceTables.h"
#include "platform/NameInputDialog.h"
#include "tests/places/PlaceBuilders.h"
#include "tests/support/GridBuilder.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace qb {
namespace {

// A dialog that records what it was shown and answers from a script.
class CScriptedNameDialog final : public INameInputDialog {
public:
    struct Answer {
        int result;
        std::function<void(CInputName&)> change;
    };
    void Queue(int result, std::function<void(CInputName&)> change = {})
    {
        m_answers.push_back({result, std::move(change)});
    }
    int Run(CInputName& fields) override
    {
        shown.push_back(fields);
        Answer a = m_answers.empty() ? Answer{kNameInputCancel, {}} : m_answers.front();
        if (!m_answers.empty())
            m_answers.pop_front();
        if (a.change)
            a.change(fields);
        return a.result;
    }
    std::vector<CInputName> shown;

private:
    std::deque<Answer> m_answers;
};

class PlaceEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // 10 m spacing: column c lies c * 10 m east, row r r * 10 m south.
        test::FillGrid(grid, 101, 101, [](int r, int c) { return float(r + c); }, 35.0f, 35.1f, 139.0f, 139.1f);
        grid.m_nMeshSize = grid.m_nMeshSize2 = 10;
        grid.m_bNewDatum = 1;
        test::SetSystemRecords(tables, {test::Shifted(35.0f, 139.0f, 0.003f, -0.003f)});
    }
    static std::function<void(CInputName&)> Typed(std::string name, int level, int kind)
    {
        return [=](CInputName& f) {
            f.m_strName = name;
            f.m_nLevel = level;
            f.m_nKind = kind;
        };
    }

    CHeightGrid grid;
    CPlaceTables tables;
    CScriptedNameDialog dialog;
    test::CRecordingMessageSink messages;
    CPlaceEditor editor{tables, grid, dialog, messages};
};

TEST_F(PlaceEditorTest, AddingANameAppendsItToBothTables)
{
    dialog.Queue(kNameInputOk, Typed("新しい峰", 1, 0));
    EXPECT_EQ(editor.EditPlace(1234.56f, 205, 309), kEditAdded);
    ASSERT_EQ(dialog.shown.size(), 1u);
    const CInputName& shown = dialog.shown[0];
    EXPECT_EQ(std::tie(shown.m_strHeight, shown.m_strX, shown.m_strY), std::tuple("1234.6m", "   205m", "   309m"));
    EXPECT_EQ(std::tie(shown.m_bEditing, shown.m_nLevel, shown.m_nKind), std::make_tuple(0, 0, 0));
    EXPECT_FALSE(shown.IsDeleteEnabled());

    ASSERT_EQ(tables.User().Count(), 1);
    ASSERT_EQ(tables.Display().Count(), 1);
    const PlaceRecord& r = tables.User()[0];
    EXPECT_EQ(Utf8FromPlaceName(r.Name()), "新しい峰");
    EXPECT_EQ(std::tie(r.kind, r.col, r.row, r.height), std::make_tuple(1, 20, 30, 1234.56f));
    EXPECT_EQ(std::tie(r.coordsFromFile, r.origin), std::make_tuple(std::uint8_t{0}, std::uint8_t{1}));
    // The grid is in the new datum: the point is the new pair, the old pair comes from the system table.
    EXPECT_EQ(std::pair(r.newLat, r.newLon), std::pair(grid.LatOfRow(30), grid.LonOfCol(20)));
    EXPECT_NEAR(r.oldLat, r.newLat - 0.003, 1e-5);
    EXPECT_NEAR(r.oldLon, r.newLon + 0.003, 1e-5);
    EXPECT_EQ(tables.Display()[0].Name(), r.Name());
    EXPECT_TRUE(tables.IsModified());
}

TEST_F(PlaceEditorTest, ThePointOfAGapShowsThatItHasNoData)
{
    grid.NoData().Mark(static_cast<std::int64_t>(grid.Index(30, 20)));
    dialog.Queue(kNameInputCancel);
    dialog.Queue(kNameInputCancel);
    EXPECT_EQ(editor.EditPlace(56.34f, 205, 309), kEditNothing);
    EXPECT_EQ(editor.EditPlace(56.34f, 215, 309), kEditNothing);
    ASSERT_EQ(dialog.shown.size(), 2u);
    EXPECT_EQ(dialog.shown[0].m_strHeight, "データなし");
    EXPECT_EQ(dialog.shown[1].m_strHeight, "  56.3m") << "the next point has data";
}

TEST_F(PlaceEditorTest, ChangingAndDeletingAnExistingName)
{
    dialog.Queue(kNameInputOk, Typed("sawa", 1, 2));  // code 7
    ASSERT_EQ(editor.EditPlace(10.0f, 100, 100), kEditAdded);
    tables.SetModified(false);

    dialog.Queue(kNameInputOk, Typed("pass", 2, 6));
    EXPECT_EQ(editor.EditPlace(10.0f, 109, 101), kEditChanged);  // the same grid point
    const CInputName& shown = dialog.shown[1];
    EXPECT_TRUE(shown.IsDeleteEnabled());
    EXPECT_EQ(std::tie(shown.m_nKind, shown.m_nLevel, shown.m_strName), std::tuple(2, 1, "sawa"));
    ASSERT_EQ(tables.User().Count(), 1);
    EXPECT_EQ(tables.User()[0].kind, 12);
    EXPECT_EQ(tables.Display()[0].Name(), "pass");
    EXPECT_TRUE(tables.IsModified());

    dialog.Queue(kNameInputCancel, Typed("ignored", 0, 0));
    EXPECT_EQ(editor.EditPlace(10.0f, 100, 100), kEditNothing);
    EXPECT_EQ(tables.User()[0].Name(), "pass");

    tables.SetModified(false);
    dialog.Queue(kNameInputDelete);
    EXPECT_EQ(editor.EditPlace(10.0f, 100, 100), kEditChanged);
    EXPECT_EQ(tables.User().Count(), 0);
    EXPECT_EQ(tables.Display().Count(), 0);
    EXPECT_TRUE(tables.IsModified());
}

TEST_F(PlaceEditorTest, SystemNamesCannotBeEdited)
{
    // The grid's north-west point carries the system name's new pair exactly.
    PlaceRecord r;
    r.newLat = grid.LatOfRow(0);
    r.newLon = grid.LonOfCol(0);
    test::SetSystemRecords(tables, {r});
    EXPECT_EQ(editor.EditPlace(5.0f, 4, 9), kEditNothing);
    EXPECT_TRUE(dialog.shown.empty());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"オリジナルデータは編集できません。"});
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(tables.IsModified());
}

TEST_F(PlaceEditorTest, NothingHappensWithoutANameOrOffTheGrid)
{
    dialog.Queue(kNameInputDelete);  // Delete for a point without a user name
    EXPECT_EQ(editor.EditPlace(0.0f, 50, 50), kEditNothing);
    EXPECT_FALSE(tables.IsModified());
    EXPECT_EQ(editor.EditPlace(0.0f, -10, 50), kEditNothing);
    EXPECT_EQ(editor.EditPlace(0.0f, 50, 1010), kEditNothing);
    EXPECT_EQ(dialog.shown.size(), 1u);
}

TEST(InputName, KindCodesAndChoices)
{
    const int expected[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {9, 9, 9},
                                {10, 10, 10}, {11, 11, 11}, {12, 12, 12}, {13, 13, 13}};
    for (int kind = 0; kind < 8; ++kind)
        for (int level = 0; level < 3; ++level) {
            const int code = CInputName::KindFromChoice(level, kind);
            EXPECT_EQ(code, expected[kind][level]);
            int backLevel = -5, backKind = -5;
            ASSERT_TRUE(CInputName::ChoiceFromKind(code, backLevel, backKind));
            EXPECT_EQ(backKind, kind);
            EXPECT_EQ(backLevel, kind < 3 ? level : 0);
        }
    EXPECT_EQ(CInputName::KindFromChoice(3, 1), 0);
    EXPECT_EQ(CInputName::KindFromChoice(-1, 0), 0);
    EXPECT_EQ(CInputName::KindFromChoice(-1, 6), 12);
    EXPECT_EQ(CInputName::KindFromChoice(0, 8), 0);
    int level = 4, kind = 5;
    EXPECT_FALSE(CInputName::ChoiceFromKind(14, level, kind));
    EXPECT_FALSE(CInputName::ChoiceFromKind(-1, level, kind));
    EXPECT_EQ(std::pair(level, kind), std::pair(4, 5));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(CInputName::AreLevelsEnabledFor(k), k < 3);
}

TEST(InputName, OkRefusesOnlyAnEmptyName)
{
    test::CRecordingMessageSink messages;
    CInputName fields;
    EXPECT_EQ(fields.m_nLevel, -1);
    EXPECT_FALSE(fields.Accept("", 1, 1, messages));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"地名が入力されていません。"});
    EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(fields.m_nLevel, -1);
    EXPECT_TRUE(fields.Accept("   ", 2, 6, messages));
    EXPECT_EQ(fields.m_strName, "   ");
    EXPECT_EQ(CInputName::KindFromChoice(fields.m_nLevel, fields.m_nKind), 12);
    // Sixteen full-width characters are cut to fifteen (30 bytes).
    EXPECT_TRUE(fields.Accept("あいうえおかきくけこさしすせそた", 0, 0, messages));
    EXPECT_EQ(fields.m_strName, "あいうえおかきくけこさしすせそ");
    EXPECT_EQ(messages.Messages().size(), 1u);
}

TEST(PlaceNameText, CharactersWithoutAFormOnTheOtherSideBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8FromPlaceName("\x95\x78\x8e\x52"), "富山");
    EXPECT_EQ(Utf8FromPlaceName("a\xff\x95\x78\x82"), "a?富?");
    EXPECT_EQ(PlaceNameFromUtf8("槍ヶ岳"), "\x91\x84\x83\x96\x8a\x78");
    EXPECT_EQ(PlaceNameFromUtf8("x\xF0\x9F\x98\x80y"), "x?y");
}

} // namespace
} // namespace qb
