// quarrenby: the desktop viewer.
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtSystemServices.h"
#include "platform/qt/web/QtWebProfile.h"
#include "render3d/gl/RenderWidget.h"
#include "render3d/gl/RenderSurfaceFormat.h"
#include "shell/MainFrame.h"
#include "shell/ShellApp.h"
#include "shell/View2DView.h"
#include "shell/ViewCGView.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// While the start is timed nobody is there to close a message box: the
// messages go to the terminal, and questions take their first answer.
class CTimingMessageSink final : public qb::IMessageSink {
public:
    qb::MessageResult ShowMessage(std::string_view text, qb::MessageIcon, qb::MessageButtons buttons,
                                  std::string_view) override
    {
        std::fprintf(stderr, "quarrenby: %.*s\n", static_cast<int>(text.size()), text.data());
        return buttons == qb::MessageButtons::YesNo || buttons == qb::MessageButtons::YesNoCancel
                   ? qb::MessageResult::Yes
                   : qb::MessageResult::Ok;
    }
};

// Paths of the command line are the caller's, before the working folder changes.
void MakePathsAbsolute(qb::ShellOptions& options)
{
    if (!options.file.empty())
        options.file = QFileInfo(QString::fromStdString(options.file)).absoluteFilePath().toStdString();
    if (options.database)
        options.database = QFileInfo(QString::fromStdString(*options.database)).absoluteFilePath().toStdString();
}

// Prints the phases of the start once the first view has painted, then quits.
void ReportFirstPaint(qb::CShellApp& shell, const QElapsedTimer& clock, qb::StartTimes& times)
{
    qb::CView2DView* view = shell.MainFrame() ? shell.MainFrame()->View2D() : nullptr;
    if (!view) {
        std::fprintf(stderr, "quarrenby: no view to time\n");
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
        return;
    }
    view->SetFirstPaintHook([&clock, &times] {
        times.painted = clock.elapsed();
        std::printf("start-up %lld ms, open %lld ms, first paint %lld ms, total %lld ms\n",
                    static_cast<long long>(times.startedUp), static_cast<long long>(times.opened - times.startedUp),
                    static_cast<long long>(times.painted - times.opened), static_cast<long long>(times.painted));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    });
}

// Tells, once, that the rendering view brought up from the command line has
// drawn its first frame (the still-view benchmark waits for it).
void ReportFirstFrame(qb::CShellApp& shell)
{
    auto* view = qobject_cast<qb::CViewCGView*>(
        shell.MainFrame() ? shell.MainFrame()->ViewOf(qb::ViewKind::Rendering) : nullptr);
    if (!view) {
        std::fprintf(stderr, "quarrenby: no rendering view\n");
        return;
    }
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(view->Picture(), &QOpenGLWidget::frameSwapped, [once] {
        std::printf("first frame\n");
        std::fflush(stdout);
        QObject::disconnect(*once);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    qb::UseRenderSurfaceFormat();
    qb::PrepareWebEngine();
    QApplication application(argc, argv);
    // Every text of the program is Japanese; Qt's own dialogs (files,
    // printing, fonts, colours) speak it too.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QString error;
    std::optional<qb::ShellOptions> options = qb::ParseShellArguments(QApplication::arguments(), error);
    if (!options) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 2;
    }
    MakePathsAbsolute(*options);
    // The program folder is the executable's: the place names and the globe
    // data are delivered beside it.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    // The web pages' storage is written out when the profile goes, after
    // every window and before the application object.
    qb::CQtWebProfile webProfile;
    qb::CQtSettingsStore settings;
    qb::CQtSystemServices system;
    CTimingMessageSink timingMessages;
    qb::CShellApp shell(settings, system, options->timing ? &timingMessages : nullptr);
    qb::StartTimes times;
    if (!shell.Start(*options, clock, times))
        return 1;
    if (options->timing)
        ReportFirstPaint(shell, clock, times);
    if (options->renderingView)
        ReportFirstFrame(shell);
    const int status = application.exec();
    shell.Shutdown();
    return status;
}
