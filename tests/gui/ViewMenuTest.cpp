// The 2-D view's menu commands as the main window runs them: the display
// method, the two copies and help on the window at hand.
#include "app/CommandIds.h"
#include "app/HelpTopics.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "shell/help/HelpPages.h"
#include "shell/help/HelpWindow.h"
#include "shell/settings/2DMethodDlg.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

namespace qb::test {

class CViewMenuTest final : public QObject {
    Q_OBJECT
public:
    explicit CViewMenuTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void TheDisplayMethodChangesThePictureAndIsKept();
    void TheCopiesPutTheViewAndThePictureOnTheClipboard();
    void HelpShowsThePageOfTheWindowAtHand();

private:
    const GuiSample& m_sample;
    std::unique_ptr<CShellSession> m_pSession;
};

void CViewMenuTest::init()
{
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_sample.database));
}

void CViewMenuTest::cleanup()
{
    m_pSession.reset();
}

void CViewMenuTest::TheDisplayMethodChangesThePictureAndIsKept()
{
    CView2DView& view = *m_pSession->View();
    const QImage contours = view.Picture().copy();
    QVERIFY(m_pSession->Frame().IsCommandEnabled(cmd::k2DMethod));
    CModalDriver<C2DMethodDlg> choose([](C2DMethodDlg& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("method1"))->click();
        dialog.accept();
    });
    m_pSession->Frame().OnCommand(cmd::k2DMethod);
    QVERIFY(choose.Acted());
    QCOMPARE(view.Viewer().m_nMethod, 1);
    QVERIFY(m_pSession->PaintView());
    QVERIFY(view.Picture() != contours);
    // The method outlives the view: the next view starts with colour bands.
    QVERIFY(m_pSession->Restart({}));
    QCOMPARE(m_pSession->Store().GetSettingInt("Param", "2DMethodFlg", 0), 1);
}

void CViewMenuTest::TheCopiesPutTheViewAndThePictureOnTheClipboard()
{
    CView2DView& view = *m_pSession->View();
    const GridPoint underPointer = view.Viewer().ScreenToGridClamped({400, 300});
    m_pSession->Frame().OnCommand(cmd::kCopyBitmap);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), view.size());

    m_pSession->Frame().OnCommand(cmd::kCopyPicture);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data && data->hasFormat(QStringLiteral("image/svg+xml")));
    QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("viewBox=\"0 0 1600 1200\""));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(1600, 1200));
    // The picture was drawn by the view's engine; the view draws itself
    // again, so the pointer maps to the same grid point as before.
    QTRY_VERIFY(view.Viewer().ScreenToGridClamped({400, 300}) == underPointer);
}

void CViewMenuTest::HelpShowsThePageOfTheWindowAtHand()
{
    m_pSession->Frame().OnCommand(cmd::kHelp);
    QCOMPARE(HelpWindow().CurrentPage(), HelpPageUrl(HelpTopicOf(HelpContextOfFrame(cmd::kMenu2D))));
    m_pSession->Frame().OnCommand(cmd::kHelpIndex);
    QCOMPARE(HelpWindow().CurrentPage(), HelpPageUrl(4));
    HelpWindow().close();
}

int RunViewMenuTests(const GuiSample& sample, int argc, char** argv)
{
    CViewMenuTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "ViewMenuTest.moc"
