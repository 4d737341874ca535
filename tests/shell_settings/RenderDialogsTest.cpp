#include "render3d/RenderCamera.h"
#include "shell/settings/LightPositionDlg.h"
#include "shell/settings/ResolutionDlg.h"
#include "shell/settings/ZoomDialog.h"

#include "tests/shell_settings/SettingsFixture.h"

#include <QGroupBox>
#include <QLabel>

namespace qb {
namespace {

using test::OnModal;
using test::SettingsFixture;
using Texts = std::vector<std::string>;

TEST(LightPositionDialog, OpensAtTheLightSeenFromTheCameraAndOkMovesIt)
{
    RenderCamera camera;
    OnModal<CLightPositionDlg>([](CLightPositionDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "光源の位置");
        const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
        ASSERT_EQ(groups.size(), 2);
        EXPECT_EQ(groups[0]->title().toStdString(), "方向");
        EXPECT_EQ(groups[1]->title().toStdString(), "高さ");
        EXPECT_EQ(SettingsFixture::Child(dialog, "direction7")->text().toStdString(), "左奥(&8)");
        EXPECT_TRUE(SettingsFixture::Child(dialog, "direction5")->isChecked());
        EXPECT_TRUE(SettingsFixture::Child(dialog, "height1")->isChecked());
        SettingsFixture::Child(dialog, "direction4")->click();
        SettingsFixture::Child(dialog, "height0")->click();
        dialog.accept();
    });
    ASSERT_TRUE(RunLightPositionDialog(camera, nullptr));
    EXPECT_DOUBLE_EQ(camera.lightAzimuth, -90);
    EXPECT_DOUBLE_EQ(camera.lightElevation, -40);

    // Reopened, "手前" and "高い" are shown again; Cancel leaves the light.
    OnModal<CLightPositionDlg>([](CLightPositionDlg& dialog) {
        EXPECT_TRUE(SettingsFixture::Child(dialog, "direction4")->isChecked());
        EXPECT_TRUE(SettingsFixture::Child(dialog, "height0")->isChecked());
        SettingsFixture::Child(dialog, "height2")->click();
        dialog.reject();
    });
    EXPECT_FALSE(RunLightPositionDialog(camera, nullptr));
    EXPECT_DOUBLE_EQ(camera.lightElevation, -40);
}

TEST(ZoomDialogWindow, RefusesOutOfRangeStayingOpenAndOkSetsTheDistance)
{
    test::CRecordingMessageSink messages;
    double distance = 4.8;
    bool stayedOpen = false;
    bool focusOnEdit = false;
    OnModal<CZoomDialog>([&](CZoomDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "拡大縮小");
        auto* edit = SettingsFixture::Child<QLineEdit>(dialog, "factorEdit");
        EXPECT_EQ(edit->text().toStdString(), "0.2");
        EXPECT_EQ(SettingsFixture::Child<QLabel>(dialog, "unitLabel")->text().toStdString(), "倍");
        edit->setText(QStringLiteral("0"));
        dialog.accept();
        stayedOpen = dialog.isVisible() && dialog.result() != QDialog::Accepted;
        focusOnEdit = dialog.focusWidget() == edit;
        edit->setText(QStringLiteral("1.5"));
        dialog.accept();
    });
    EXPECT_TRUE(RunZoomDialog(messages, distance, nullptr));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnEdit);
    EXPECT_EQ(messages.Texts(), Texts{"0.1 から 10 までの数字を入力してください。"});
    EXPECT_DOUBLE_EQ(distance, 36);

    OnModal<CZoomDialog>([](CZoomDialog& dialog) {
        SettingsFixture::Child<QLineEdit>(dialog, "factorEdit")->setText(QStringLiteral("3"));
        dialog.reject();
    });
    EXPECT_FALSE(RunZoomDialog(messages, distance, nullptr));
    EXPECT_DOUBLE_EQ(distance, 36);
}

TEST(ResolutionDialog, ShowsTheExactBudgetAndOkTakesTheChoice)
{
    std::int32_t resolution = 16777216;
    OnModal<CResolutionDlg>([](CResolutionDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "細かさの設定");
        EXPECT_TRUE(SettingsFixture::Child(dialog, "fineness1")->isChecked());
        EXPECT_EQ(SettingsFixture::Child(dialog, "fineness2")->text().toStdString(), "非常に細かく描く");
        SettingsFixture::Child(dialog, "fineness2")->click();
        dialog.accept();
    });
    EXPECT_TRUE(RunResolutionDialog(resolution, nullptr));
    EXPECT_EQ(resolution, 67108864);

    // A budget of no choice opens as the coarsest.
    resolution = 1000;
    OnModal<CResolutionDlg>([](CResolutionDlg& dialog) {
        EXPECT_TRUE(SettingsFixture::Child(dialog, "fineness0")->isChecked());
        dialog.reject();
    });
    EXPECT_FALSE(RunResolutionDialog(resolution, nullptr));
    EXPECT_EQ(resolution, 1000);
}

} // namespace
} // namespace qb
