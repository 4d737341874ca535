// A name the user enters on the map: the save question when the area
// closes, and the name found again after the program is started anew.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "places/NameText.h"
#include "platform/Cp932.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "shell/dialogs/InputNameDlg.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QStatusBar>
#include <QTest>

#include <filesystem>
#include <memory>

namespace qb::test {
namespace {

const QSize kViewSize(kPictureWidth, kPictureHeight);
const QPoint kNamedPoint(300, 250);
const QString kName = QStringLiteral("試し岳");

// Right-clicks the view at `at` and enters `name` in the name dialog, typed
// through the input method as Japanese is, and confirmed with Enter.
bool EnterName(CView2DView& view, QPoint at, const QString& name)
{
    CModalDriver<CInputNameDlg> dialog([&](CInputNameDlg& input) {
        auto* edit = input.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        if (!edit) {
            input.reject();
            return;
        }
        QInputMethodEvent typed;
        typed.setCommitString(name);
        QApplication::sendEvent(edit, &typed);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, at);
    return dialog.Acted();
}

const PlaceRecord* FindName(const CPlaceTable& table, const QString& name)
{
    for (const PlaceRecord& record : table.Records()) {
        if (QString::fromStdString(Utf8FromPlaceName(record.Name())) == name)
            return &record;
    }
    return nullptr;
}

bool FileHolds(const std::string& path, const QString& name)
{
    return ReadFileBytes(path).find(Cp932FromUtf8(name.toStdString()).value_or("?")) != std::string::npos;
}

bool StatusShows(CMainFrame& frame, const QString& text)
{
    for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
        if (label->text() == text)
            return true;
    }
    return false;
}

} // namespace

class CSaveQuestionTest final : public QObject {
    Q_OBJECT
public:
    explicit CSaveQuestionTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void CancelKeepsTheAreaNoForgetsTheNameYesSavesIt();
    void ASavedNameIsOnTheMapAfterARestart();

private:
    const GuiSample& m_sample;
    std::unique_ptr<CTempDir> m_pDatabase;
    std::unique_ptr<CShellSession> m_pSession;
};

// Every test starts with the sample area open, its user's names kept in a
// database of the test's own.
void CSaveQuestionTest::init()
{
    m_pDatabase = std::make_unique<CTempDir>();
    std::filesystem::create_directory_symlink(m_sample.database + "/5m", m_pDatabase->File("5m"));
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_pDatabase->Path()));
}

void CSaveQuestionTest::cleanup()
{
    m_pSession.reset();
    m_pDatabase.reset();
}

void CSaveQuestionTest::CancelKeepsTheAreaNoForgetsTheNameYesSavesIt()
{
    CShellSession& session = *m_pSession;
    const std::string userFile = m_pDatabase->File("user.pln");
    CView2DView* view = session.View();
    CTessimDoc* doc = view->Document();
    QVERIFY(!doc->IsModified());
    QVERIFY(EnterName(*view, kNamedPoint, kName));
    QVERIFY(doc->IsModified());
    QVERIFY(FindName(doc->Places().Display(), kName));

    CRecordingMessageSink& messages = session.Messages();
    messages.Clear();
    messages.QueueAnswer(MessageResult::Cancel);
    session.Frame().OnCommand(cmd::kFileClose);
    QCOMPARE(messages.Messages().size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(messages.Messages()[0].text), QString::fromStdString(std::string(kSaveQuestion)));
    QVERIFY(messages.Messages()[0].buttons == MessageButtons::YesNoCancel);
    QCOMPARE(session.View(), view);
    QCOMPARE(session.Shell().Documents().Documents().size(), std::size_t(1));
    QVERIFY(doc->IsModified());

    // A move past the edge asks too; kept, the area stays the one shown, so
    // that the next move starts from it.
    const std::string base = session.Shell().App().m_area.base.BaseFile();
    messages.QueueAnswer(MessageResult::Cancel);
    session.Frame().OnCommand(cmd::kMoveEast);
    QCOMPARE(messages.Messages().size(), std::size_t(2));
    QCOMPARE(session.View(), view);
    QCOMPARE(session.Shell().App().m_area.base.BaseFile(), base);
    QCOMPARE(session.Shell().App().m_nOpenMode, 2);

    messages.QueueAnswer(MessageResult::No);
    session.Frame().OnCommand(cmd::kFileClose);
    QVERIFY(!session.Shell().Documents().HasDocument());
    QTRY_VERIFY(session.Frame().MdiArea()->subWindowList().isEmpty());
    QCOMPARE(session.Frame().ActiveMenuId(), 128);
    QVERIFY(!std::filesystem::exists(userFile));

    // Opened again the name is gone; this time it is kept.
    QVERIFY(session.DropFile(m_sample.areaFile));
    QVERIFY(session.ShowViewAt(kViewSize));
    view = session.View();
    QVERIFY(!FindName(view->Document()->Places().Display(), kName));
    QVERIFY(EnterName(*view, kNamedPoint, kName));
    messages.QueueAnswer(MessageResult::Yes);
    session.Frame().OnCommand(cmd::kFileClose);
    QVERIFY(!session.Shell().Documents().HasDocument());
    QVERIFY(std::filesystem::exists(userFile));
    QVERIFY(FileHolds(userFile, kName));
}

void CSaveQuestionTest::ASavedNameIsOnTheMapAfterARestart()
{
    CShellSession& session = *m_pSession;
    CView2DView* view = session.View();
    QVERIFY(EnterName(*view, kNamedPoint, kName));
    const PlaceRecord* added = FindName(view->Document()->Places().Display(), kName);
    QVERIFY(added);
    const PlaceRecord entered = *added;

    session.Frame().OnCommand(cmd::kSavePlaces);
    QVERIFY(!view->Document()->IsModified());
    QVERIFY(StatusShows(session.Frame(), QStringLiteral("地名データを保存しました")));

    QVERIFY(session.Restart(AreaOptions(m_sample, m_pDatabase->Path())));
    view = session.View();
    QVERIFY(view);
    const PlaceRecord* found = FindName(view->Document()->Places().Display(), kName);
    QVERIFY2(found, "the saved name is not among the names of the map");
    QCOMPARE(found->col, entered.col);
    QCOMPARE(found->row, entered.row);
    QVERIFY(!view->Document()->IsModified());
    QVERIFY(session.ShowViewAt(kViewSize));
    QVERIFY(view->Viewer().LabelsDrawn() >= 1);
}

int RunSaveQuestionTests(const GuiSample& sample, int argc, char** argv)
{
    CSaveQuestionTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "SaveQuestionTest.moc"
