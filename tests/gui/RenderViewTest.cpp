// The rendering view as a user meets it: brought up from the 2-D view over
// its range, its menu's commands and dialogs, the copy of its picture, and
// the ranges and centre the 2-D view hands it.
#include "app/CommandIds.h"
#include "app/TessimDoc.h"
#include "render3d/TerrainMesh.h"
#include "render3d/gl/RenderWidget.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"
#include "shell/dialogs/ColorSetDlg.h"
#include "shell/dialogs/ProgressDlg.h"
#include "shell/help/HelpPages.h"
#include "shell/help/HelpWindow.h"
#include "shell/settings/HightTimeDlg.h"
#include "shell/settings/LightPositionDlg.h"
#include "shell/settings/ResolutionDlg.h"
#include "shell/settings/ZoomDialog.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/gui/ModalDriver.h"
#include "tests/gui/ShellSession.h"
#include "tests/gui/ViewMouse.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace qb::test {
namespace {

const GridRange kZoomed{300, 200, 1299, 899};
constexpr QRgb kNavy = 0xFF000080;

QString Text(const GridRange& r)
{
    return QStringLiteral("columns %1..%2, rows %3..%4").arg(r.colFirst).arg(r.colLast).arg(r.rowFirst).arg(r.rowLast);
}

// The share of pixels that are not the navy of the empty picture.
double ShareNotNavy(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 other = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            other += (line[x] | 0xFF000000) != kNavy;
    }
    return rgb.isNull() ? 0.0 : double(other) / (double(rgb.width()) * rgb.height());
}

template <class Dialog>
bool AnswerNext(const std::function<void(Dialog&)>& action, const std::function<void()>& trigger)
{
    CModalDriver<Dialog> driver(action);
    trigger();
    return driver.Acted();
}

QAbstractButton* Button(QWidget& dialog, const char* name)
{
    return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
}

} // namespace

class CRenderViewTest final : public QObject {
    Q_OBJECT
public:
    explicit CRenderViewTest(const GuiSample& sample) : m_sample(sample) {}

private slots:
    void init();
    void cleanup();
    void TheRenderingCommandOpensTheViewOverTheTwoDRange();
    void SpinZoomAndNamesShowTheirStateInTheMenu();
    void TheDialogsChangeTheCameraTheLightAndTheBuild();
    void CopyAsBitmapGivesTheRenderedPicture();
    void TheTwoDViewHandsOnItsRangesAndTheRotationCentre();
    void ARangeOfTooFewPointsShowsTheEmptyPicture();
    void CancellingTheBuildLeavesNoMesh();
    void TheMouseTheWheelAndTheKeysMoveTheCamera();
    void AStillViewDrawsNothingUntilSomethingChanges();

private:
    bool OpenRenderingView();
    CMainFrame& Frame() { return m_pSession->Frame(); }
    CViewCGView* Render() { return qobject_cast<CViewCGView*>(Frame().ViewOf(ViewKind::Rendering)); }

    const GuiSample& m_sample;
    std::unique_ptr<CShellSession> m_pSession;
};

void CRenderViewTest::init()
{
    m_pSession = std::make_unique<CShellSession>();
    QVERIFY(m_pSession->StartWithArea(m_sample, m_sample.database));
}

void CRenderViewTest::cleanup()
{
    m_pSession.reset();
}

bool CRenderViewTest::OpenRenderingView()
{
    m_pSession->View()->Viewer().SetRange(kZoomed);
    if (!Frame().IsCommandEnabled(cmd::kShowRender))
        return false;
    Frame().OnCommand(cmd::kShowRender);
    CViewCGView* view = Render();
    if (!view || !QTest::qWaitForWindowExposed(view))
        return false;
    // A view of a size where the automatic display shows names.
    QWidget* frame = Frame().FrameOf(view);
    frame->resize(frame->size() + (QSize(640, 480) - view->size()));
    return QTest::qWaitFor([view] { return view->Mesh() && view->width() >= 600; }, 5000);
}

void CRenderViewTest::TheRenderingCommandOpensTheViewOverTheTwoDRange()
{
    m_pSession->Store().WriteSettingInt("Res", "Resolution", 4194304);
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    QCOMPARE(Frame().ActiveMenuId(), 133);
    QVERIFY(!Frame().IsCommandEnabled(cmd::kShowRender));
    QCOMPARE(Text(view->Extent()->range), Text(kZoomed));
    QCOMPARE(view->Resolution(), 4194304);
    QCOMPARE(view->ColourScheme(), 5);
    // 1000 x 700 points fit the budget point by point.
    QCOMPARE(view->Step(), 1.0);
    QCOMPARE(view->Mesh()->columns, 1000);
    QCOMPARE(view->Mesh()->rows, 700);
    QCOMPARE(Frame().FrameOf(view)->windowTitle(), QStringLiteral("レンダリング- 1.0倍"));

    // The fineness and the scheme are written back when the view goes.
    m_pSession->Store().WriteSettingInt("Res", "Resolution", 0);
    QPointer<CViewCGView> gone = view;
    Frame().FrameOf(view)->close();
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(m_pSession->Store().GetSettingInt("Res", "Resolution", 0), 4194304);
    QCOMPARE(m_pSession->Store().GetSettingInt("Color", "ColorV20", 0), 5);
}

void CRenderViewTest::SpinZoomAndNamesShowTheirStateInTheMenu()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    CMainFrame& frame = Frame();
    QVERIFY(!view->IsSpinTimerActive());
    frame.Action(cmd::kRotateRight)->trigger();
    QVERIFY(frame.Action(cmd::kRotateRight)->isChecked());
    QVERIFY(view->IsSpinTimerActive());
    const double azimuth = view->Camera().azimuth;
    QTRY_VERIFY(view->Camera().azimuth != azimuth);
    frame.Action(cmd::kRotateLeft)->trigger();
    QVERIFY(!frame.Action(cmd::kRotateRight)->isChecked());
    QVERIFY(frame.Action(cmd::kRotateLeft)->isChecked());
    frame.Action(cmd::kRotateLeft)->trigger();
    QVERIFY(!frame.Action(cmd::kRotateLeft)->isChecked());
    QVERIFY(!view->IsSpinTimerActive());

    for (int i = 0; i < 30; ++i)
        frame.OnCommand(cmd::kZoomIn);
    QCOMPARE(view->Camera().distance, 1.0);
    for (int i = 0; i < 100; ++i)
        frame.OnCommand(cmd::kZoomOut);
    QCOMPARE(view->Camera().distance, 80.0);

    const bool shown = view->NamesShown();
    QCOMPARE(frame.Action(cmd::kShowNames)->isChecked(), shown);
    frame.Action(cmd::kShowNames)->trigger();
    QCOMPARE(view->NamesShown(), !shown);
    QCOMPARE(frame.Action(cmd::kShowNames)->isChecked(), !shown);
    QVERIFY(view->LabelCount() > 0);

    // The 2-D view's menu has none of them.
    frame.MdiArea()->setActiveSubWindow(frame.FrameOf(m_pSession->View()));
    QVERIFY(!frame.IsCommandEnabled(cmd::kRotateRight));
    QVERIFY(!frame.IsCommandEnabled(cmd::kLightPosition));
}

void CRenderViewTest::TheDialogsChangeTheCameraTheLightAndTheBuild()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    RenderCamera& camera = view->Camera();
    QVERIFY(AnswerNext<CLightPositionDlg>(
        [](CLightPositionDlg& dialog) {
            Button(dialog, "direction4")->click();
            Button(dialog, "height0")->click();
            dialog.accept();
        },
        [&] { Frame().OnCommand(cmd::kLightPosition); }));
    QCOMPARE(camera.lightAzimuth, -90.0);
    QCOMPARE(camera.lightElevation, -40.0);

    QVERIFY(AnswerNext<CZoomDialog>(
        [](CZoomDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("factorEdit"));
            QCOMPARE(edit->text(), QStringLiteral("1"));
            edit->setText(QStringLiteral("0.5"));
            dialog.accept();
        },
        [&] { Frame().OnCommand(cmd::kZoomDialog); }));
    QCOMPARE(camera.distance, 12.0);

    // A coarser fineness builds the mesh anew with a larger step.
    const TerrainMesh* before = view->Mesh();
    QVERIFY(AnswerNext<CResolutionDlg>(
        [](CResolutionDlg& dialog) {
            Button(dialog, "fineness0")->click();
            dialog.accept();
        },
        [&] { Frame().OnCommand(cmd::kResolution); }));
    QCOMPARE(view->Resolution(), 4194304);
    QVERIFY(view->Mesh() && view->Mesh() != before);

    QVERIFY(AnswerNext<CColorSetDlg>(
        [](CColorSetDlg& dialog) {
            Button(dialog, "scheme1")->click();
            dialog.accept();
        },
        [&] { Frame().OnCommand(cmd::kColours); }));
    QCOMPARE(view->ColourScheme(), 1);

    // The height exaggeration builds it anew too, the heights doubled.
    before = view->Mesh();
    const Vec3 target = before->target;
    QVERIFY(AnswerNext<CHightTimeDlg>(
        [](CHightTimeDlg& dialog) {
            Button(dialog, "choice3")->click();
            dialog.accept();
        },
        [&] { Frame().OnCommand(cmd::kHeightScale); }));
    QCOMPARE(m_pSession->Shell().App().m_dHeightScale, 2.0);
    QVERIFY(view->Mesh() && view->Mesh() != before);
    QVERIFY(std::abs(view->Mesh()->target[2] - 2 * target[2]) <= std::abs(target[2]) * 0.01);
}

void CRenderViewTest::CopyAsBitmapGivesTheRenderedPicture()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    Frame().OnCommand(cmd::kCopyBitmap);
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), view->Picture()->size() * view->devicePixelRatio());
    QVERIFY2(ShareNotNavy(copied) > 0.2, qPrintable(QString::number(ShareNotNavy(copied))));
}

void CRenderViewTest::TheTwoDViewHandsOnItsRangesAndTheRotationCentre()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* render = Render();
    CView2DView& view2D = *m_pSession->View();
    Frame().MdiArea()->setActiveSubWindow(Frame().FrameOf(&view2D));
    QVERIFY(m_pSession->ShowViewAt(QSize(kPictureWidth, kPictureHeight)));
    QCOMPARE(DragAndChoose(view2D, QPoint(100, 100), QPoint(400, 300), kZoomText).size(), 3);
    QTRY_COMPARE(Text(render->Extent()->range), Text(view2D.Viewer().GetRange()));
    QVERIFY(render->Mesh());

    // The point clicked becomes the camera's target, across and down the grid.
    const DrawRect draw = view2D.Viewer().DrawingRect();
    const DrawPoint corner = view2D.Viewer().FarCorner();
    const QPoint at((draw.left + corner.x) / 2, (draw.top + 3 * corner.y) / 4);
    QCOMPARE(DragAndChoose(view2D, at, at, kRotationCentreText).size(), 3);
    const RenderCamera& camera = render->Camera();
    QVERIFY(std::abs(camera.target[0] - camera.extent[0] / 2) < camera.extent[0] * 0.02);
    QVERIFY(std::abs(camera.target[1] - camera.extent[1] * 0.75) < camera.extent[1] * 0.02);

    // A step back goes to the rendering view as well; so does a move.
    QCOMPARE(DragAndChoose(view2D, QPoint(200, 200), QPoint(200, 200), kStepBackText).size(), 3);
    QTRY_COMPARE(Text(render->Extent()->range), Text(view2D.Viewer().GetRange()));
    const GridRange before = render->Extent()->range;
    Frame().OnCommand(cmd::kMoveEast);
    QCOMPARE(Text(render->Extent()->range), Text(view2D.Viewer().GetRange()));
    QVERIFY(render->Extent()->range.colFirst > before.colFirst);
}

void CRenderViewTest::ARangeOfTooFewPointsShowsTheEmptyPicture()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    view->ShowRange(ViewHandOver{GridRange{0, 0, 24, 399}, std::nullopt});
    QVERIFY(!view->Mesh());
    QCOMPARE(ShareNotNavy(view->GrabPicture()), 0.0);
}

void CRenderViewTest::CancellingTheBuildLeavesNoMesh()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    QVERIFY(AnswerNext<CProgressDlg>([](CProgressDlg& dialog) { dialog.CancelButton()->click(); },
                                     [view] { view->Rebuild(); }));
    QVERIFY(!view->Mesh());
    QCOMPARE(view->LabelCount(), 0);

    // Its frame's help is the rendering view's page.
    Frame().OnCommand(cmd::kHelp);
    QCOMPARE(HelpWindow().CurrentPage(), HelpPageUrl(46));
    HelpWindow().close();
}

void CRenderViewTest::TheMouseTheWheelAndTheKeysMoveTheCamera()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    const RenderCamera& camera = view->Camera();
    auto send = [view](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::ShiftModifier);
        QApplication::sendEvent(view, &event);
    };
    // Shift and the left button orbit: a quarter degree a pixel across and down.
    const double azimuth = camera.azimuth, elevation = camera.elevation;
    send(QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(QWidget::mouseGrabber(), view);
    send(QEvent::MouseMove, QPoint(110, 100), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(150, 120), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPoint(150, 120), Qt::LeftButton, Qt::NoButton);
    QVERIFY(QWidget::mouseGrabber() != view);
    QCOMPARE(camera.azimuth, azimuth + 10.0);
    QCOMPARE(camera.elevation, elevation + 5.0);

    const double distance = camera.distance;
    QWheelEvent wheel(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    QCOMPARE(camera.distance, distance - 1);
    const float z = camera.target[2];
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(camera.target[2], z + 0.1f);
}

void CRenderViewTest::AStillViewDrawsNothingUntilSomethingChanges()
{
    QVERIFY(OpenRenderingView());
    CViewCGView* view = Render();
    int frames = 0;
    QObject::connect(view->Picture(), &QOpenGLWidget::frameSwapped, view, [&frames] { ++frames; });
    // The frames of the first show settle (later with the web engine's
    // shared contexts in the process), then nothing changes.
    QTest::qWait(1500);
    frames = 0;
    QTest::qWait(700);
    QCOMPARE(frames, 0);
    QVERIFY(!view->IsSpinTimerActive());

    Frame().OnCommand(cmd::kZoomIn);
    QTRY_VERIFY(frames > 0);
    // A zoom the clamp refuses changes nothing and draws nothing.
    view->Camera().distance = RenderCamera::kMinDistance;
    QTest::qWait(300);
    frames = 0;
    Frame().OnCommand(cmd::kZoomIn);
    QTest::qWait(500);
    QCOMPARE(frames, 0);

    // The main window's moves pass by; its activation draws the picture anew.
    Frame().move(Frame().pos() + QPoint(7, 5));
    QTest::qWait(300);
    QCOMPARE(frames, 0);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&Frame(), &activate);
    QTRY_VERIFY(frames > 0);
}

int RunRenderViewTests(const GuiSample& sample, int argc, char** argv)
{
    CRenderViewTest test(sample);
    return QTest::qExec(&test, argc, argv);
}

} // namespace qb::test

#include "RenderViewTest.moc"
