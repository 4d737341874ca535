#include "terrain/ProgressJob.h"

#include <gtest/gtest.h>

#include <vector>

namespace qb {
namespace {

struct RecordingView final : IProgressView {
    void SetBar(int percent) override { bars.push_back(percent); }
    void SetText(std::string_view text) override { texts.emplace_back(text); }
    void PumpEvents() override { ++pumps; }
    std::vector<int> bars;
    std::vector<std::string> texts;
    int pumps = 0;
};

TEST(ProgressLogic, BarArithmeticAndPumping)
{
    EXPECT_EQ(CProgressLogic::Percent(3, 4), 75);
    EXPECT_EQ(CProgressLogic::Percent(7, 0), 50);
    RecordingView view;
    CProgressLogic progress(kJobJoinTiles, view);
    progress.Report(1, 3);
    EXPECT_EQ(view.bars, std::vector<int>{33});
    EXPECT_EQ(view.pumps, 1);
    EXPECT_FALSE(progress.IsCancelled());
    progress.Cancel();
    EXPECT_TRUE(progress.IsCancelled());
}

TEST(ProgressLogic, TextsByJobKindAndTheirRefresh)
{
    RecordingView view;
    CProgressLogic join(kJobJoinTiles, view);
    join.Report(1, 2);
    join.SetMeshSize(10);
    join.Report(1, 4);
    join.SetInterpolating(true);
    join.Report(3, 4);
    EXPECT_EQ(view.texts, (std::vector<std::string>{"標高データ読み込み中... 50 %", "10mメッシュ標高データ読み込み中... 25 %",
                                                    "補間データ作成中... 75 %"}));

    RecordingView xmlView;
    CProgressLogic xml(kJobImportXmlFolder, xmlView);
    xml.Report(0, 100);
    for (int i = 0; i < 7; ++i)
        xml.Report(i, 12);
    EXPECT_EQ(xmlView.texts, (std::vector<std::string>{
                                 "フォルダ内の XML ファイルを探して読み込んでいます。... 0 %",
                                 "フォルダ内の XML ファイルを探して読み込んでいます。... 読み込んだ数:0 / 総数:12",
                                 "フォルダ内の XML ファイルを探して読み込んでいます。... 読み込んだ数:5 / 総数:12"}));
    EXPECT_EQ(xmlView.bars.size(), 8u) << "the bar moves at every report";

    std::string text;
    CProgressLogic places(kJobCountPlaces, view);
    EXPECT_FALSE(places.TextFor(15, 100, text));
    EXPECT_TRUE(places.TextFor(20, 100, text));
    EXPECT_EQ(text, "地名データ読み込み中... 20 %");
    CProgressLogic move(kJobMoveTiles, view);
    EXPECT_FALSE(move.TextFor(30, 45, text));
    EXPECT_TRUE(move.TextFor(40, 45, text));
    EXPECT_EQ(text, "データベースフォルダ内のファイルを移動しています。... 移動した数:40 / 総数:45");
    CProgressLogic build(kJobBuild3dObject, view);
    EXPECT_TRUE(build.TextFor(1, 2, text));
    EXPECT_EQ(text, "3Dオブジェクト作成中... 50 %");
}

} // namespace
} // namespace qb
