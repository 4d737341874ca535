#include "shell/dialogs/ProgressDlg.h"
#include "shell/dialogs/QtJobRunner.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qb {
namespace {

// The progress dialog the running job is shown in.
CProgressDlg* RunningDialog()
{
    return qobject_cast<CProgressDlg*>(QApplication::activeModalWidget());
}

// Reports until the user cancels, with a bound so that a lost cancel fails
// the test instead of hanging it.
int ReportUntilCancelled(IProgress& progress)
{
    for (int i = 0; i < 100000 && !progress.IsCancelled(); ++i)
        progress.Report(i % 100, 100);
    return 1;
}

TEST(ProgressDialog, EndsAcceptedOnlyWhenTheJobSucceeds)
{
    CQtJobRunner runner(nullptr);
    std::vector<std::pair<int, bool>> finished;
    runner.SetFinishHook([&](int kind, bool ok) { finished.emplace_back(kind, ok); });
    int runs = 0;
    EXPECT_TRUE(runner.RunJob(kJobJoinTiles, [&](IProgress& progress) {
        ++runs;
        progress.Report(1, 2);
        return 1;
    }));
    EXPECT_FALSE(runner.RunJob(kJobCountPlaces, [](IProgress&) { return 0; }));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(finished, (std::vector<std::pair<int, bool>>{{kJobJoinTiles, true}, {kJobCountPlaces, false}}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The Cancel button, and closing the window (Esc or its close button), both
// reach the running job; the dialog stays open until the job returns, and
// the job fails even when it returns 1.
TEST(ProgressDialog, CancelAndClosingReachTheRunningJobAndFailIt)
{
    CQtJobRunner runner(nullptr);
    for (const bool byClosing : {false, true}) {
        bool openWhenCancelled = false;
        const bool ok = runner.RunJob(kJobImportXmlFolder, [&](IProgress& progress) {
            CProgressDlg* dialog = RunningDialog();
            if (!dialog)
                return 0;
            if (byClosing)
                QTimer::singleShot(0, dialog, &QWidget::close);
            else
                QTimer::singleShot(0, dialog->CancelButton(), &QPushButton::click);
            ReportUntilCancelled(progress);
            openWhenCancelled = progress.IsCancelled() && dialog->isVisible();
            return 1;
        });
        EXPECT_TRUE(openWhenCancelled) << byClosing;
        EXPECT_FALSE(ok) << byClosing;
    }
}

TEST(ProgressDialog, ReportsMoveTheBarTheTextOfTheKindAndTheHook)
{
    CQtJobRunner runner(nullptr);
    std::vector<std::pair<int, int>> reports;
    runner.SetReportHook([&](int kind, int percent) { reports.emplace_back(kind, percent); });
    std::vector<std::pair<int, QString>> seen;
    EXPECT_TRUE(runner.RunJob(kJobImportXmlFolder, [&](IProgress& progress) {
        CProgressDlg* dialog = RunningDialog();
        if (!dialog)
            return 0;
        progress.Report(40, 100);
        seen.emplace_back(dialog->BarValue(), dialog->Text());
        progress.Report(10, 20);
        seen.emplace_back(dialog->BarValue(), dialog->Text());
        progress.Report(7, 20);   // counts are shown at every fifth file only
        seen.emplace_back(dialog->BarValue(), dialog->Text());
        return 1;
    }));
    const QString counted = QStringLiteral("フォルダ内の XML ファイルを探して読み込んでいます。... 読み込んだ数:10 / 総数:20");
    EXPECT_EQ(seen, (std::vector<std::pair<int, QString>>{
                        {40, QStringLiteral("フォルダ内の XML ファイルを探して読み込んでいます。... 40 %")},
                        {50, counted},
                        {35, counted}}));
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{4, 40}, {4, 50}, {4, 35}}));
}

} // namespace
} // namespace qb
