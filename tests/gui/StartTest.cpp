// Starting the program: the first start, a file on the command line, a
// dropped file, and an open the user cancels.
#include "app/TessimDoc.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "shell/dialogs/DirSetDlg.h"
#include "shell/dialogs/ProgressDlg.h"
#include "terrain/ProgressJob.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"

#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

namespace qb::test {
namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QPushButton* ButtonWithText(QWidget& parent, const QString& text)
{
    for (QPushButton* button : parent.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

} // namespace

class CStartTest final : public QObject {
    Q_OBJECT
public:
    explicit CStartTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void AFirstStartRecordsTheFoldersAndAsksForTheDatabaseFolder();
    void AnAreaOnTheCommandLineIsDrawnAsTheToolDrawsIt();
    void ADroppedTextMeshOpensInA2DView();
    void CancellingTheJoinLeavesNoDocument();

private:
    const GuiSample& m_sample;
};

void CStartTest::AFirstStartRecordsTheFoldersAndAsksForTheDatabaseFolder()
{
    CShellSession session;
    bool overMaximisedWindow = false;
    CModalDriver<CDirSetDlg> folderDialog([&](CDirSetDlg& dialog) {
        overMaximisedWindow = session.Frame().isVisible() && session.Frame().isMaximized();
        if (QPushButton* cancel = ButtonWithText(dialog, QStringLiteral("ｷｬﾝｾﾙ")))
            QTest::mouseClick(cancel, Qt::LeftButton);
    });
    QVERIFY(session.Start({}));
    QVERIFY2(folderDialog.Acted(), "the folder settings dialog was not shown");
    QVERIFY2(overMaximisedWindow, "the main window was not up and maximised under the folder dialog");

    const QString program = Q(session.ProgramFolder());
    const struct {
        const char* section;
        const char* key;
        QString value;
    } firstStartValues[] = {
        {"FileInit", "PrgDir", program},
        {"FileInit", "InitalDir", program},
        {"Globe", "InitDir", program},
        {"FileInit", "PlnDir", program + "/place"},
        {"FileInit", "PlnDirDef", program + "/place"},
        {"FileInit", "AreDir", program + "/area"},
        {"FileInit", "AreDirDef", program + "/area"},
    };
    for (const auto& expected : firstStartValues)
        QCOMPARE(Q(session.Store().GetSettingString(expected.section, expected.key, "(missing)")), expected.value);

    CMainFrame& frame = session.Frame();
    QVERIFY(!session.Shell().Documents().HasDocument());
    QVERIFY(frame.MdiArea()->subWindowList().isEmpty());
    QVERIFY(frame.isMaximized());
    QCOMPARE(frame.ActiveMenuId(), 128);
    // Cancel confirmed no database folder: the next start asks again.
    QVERIFY(session.Shell().App().NeedsFolderSettings());
}

void CStartTest::AnAreaOnTheCommandLineIsDrawnAsTheToolDrawsIt()
{
    CShellSession session;
    QVERIFY(session.StartWithArea(m_sample, m_sample.database));
    CView2DView* view = session.View();
    QCOMPARE(session.Shell().Documents().Documents().size(), std::size_t(1));
    QCOMPARE(view->Caption(), QStringLiteral("２次元等高線-十勝平野.ARE"));
    QCOMPARE(view->parentWidget()->windowTitle(), view->Caption());
    QCOMPARE(session.Frame().ActiveMenuId(), 131);
    QCOMPARE(view->Viewer().Grid()->m_nCols, 2250);
    QCOMPARE(view->Viewer().Grid()->m_nRows, 1500);

    const QImage expected = QImage(Q(m_sample.referencePicture)).convertToFormat(QImage::Format_RGB32);
    const QImage& painted = view->Picture();
    QCOMPARE(painted.size(), expected.size());
    const int differing = DifferentPixels(painted, expected);
    if (differing != 0) {
        const QString saved = QDir::temp().filePath(QStringLiteral("quarrenby-gui-view.png"));
        painted.save(saved);
        qWarning("the view's picture is kept in %s", qPrintable(saved));
    }
    QCOMPARE(differing, 0);
}

void CStartTest::ADroppedTextMeshOpensInA2DView()
{
    CShellSession session;
    session.SeedSettings(m_sample.placeFolder);
    QVERIFY(session.Start({}));
    QVERIFY(!session.View());
    QVERIFY(session.DropFile(m_sample.memFile));
    CView2DView* view = session.View();
    QVERIFY(view);
    QCOMPARE(view->Caption(), QStringLiteral("２次元等高線-tokachi-644320.mem"));
    QCOMPARE(session.Frame().ActiveMenuId(), 131);
    QCOMPARE(view->Viewer().Grid()->m_nCols, 200);
    QCOMPARE(view->Viewer().Grid()->m_nRows, 200);
}

void CStartTest::CancellingTheJoinLeavesNoDocument()
{
    CShellSession session;
    session.SeedSettings(m_sample.placeFolder);
    ShellOptions options = AreaOptions(m_sample, m_sample.database);
    options.file.clear();
    QVERIFY(session.Start(options));

    // The second sweep, which copies the heights, has begun past a fifth of the bar.
    int barWhenCancelled = -1;
    CModalDriver<CProgressDlg> progress(
        [&](CProgressDlg& dialog) {
            barWhenCancelled = dialog.BarValue();
            QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
        },
        [](CProgressDlg& dialog) {
            return dialog.JobKind() == kJobJoinTiles && dialog.IsRunning() && dialog.BarValue() > 20;
        });
    QVERIFY(session.DropFile(m_sample.areaFile));
    QVERIFY2(progress.Acted(), "no progress dialog reached the second sweep");
    QVERIFY(barWhenCancelled > 20 && barWhenCancelled < 100);

    QVERIFY(!session.Shell().Documents().HasDocument());
    QVERIFY(!session.Shell().App().m_pCurrentDoc);
    QTRY_VERIFY(session.Frame().MdiArea()->subWindowList().isEmpty());
    QVERIFY(!session.View());
    QCOMPARE(session.Frame().ActiveMenuId(), 128);
    QVERIFY(!session.Frame().HasProgress());
}

int RunStartTests(const GuiSample& sample, int argc, char** argv)
{
    CStartTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "StartTest.moc"
