// The desktop program driven as a user drives it: one process, the real
// windows, mouse and keyboard events through Qt Test.
#include "platform/qt/web/QtWebProfile.h"
#include "tests/gui/GuiSample.h"
#include "tests/gui/GuiTests.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// Qt wants a private runtime folder; a test run may not have one.
std::string MakeRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return {};
    std::string pattern = "/tmp/quarrenby-gui-runtime-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(pattern));
    return pattern;
}

// The sample data once, then every group of tests; the count of failures.
int RunAll(int argc, char** argv)
{
    // The web map's browser keeps its storage in a folder of the run's own.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    qb::PrepareWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    qb::CQtWebProfile webProfile;
    qb::test::CTempDir folder;
    qb::test::GuiSample sample;
    QString failure;
    if (!qb::test::PrepareGuiSample(folder.Path(), sample, failure)) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    return qb::test::RunStartTests(sample, argc, argv) + qb::test::RunViewCommandTests(sample, argc, argv) +
           qb::test::RunSaveQuestionTests(sample, argc, argv) + qb::test::RunViewMenuTests(sample, argc, argv) +
           qb::test::RunViewKindsTests(sample, argc, argv) + qb::test::RunRenderViewTests(sample, argc, argv) +
           qb::test::RunOpenFromMapTests(sample, argc, argv) +
           qb::test::RunMapViewTests(sample, argc, argv) + qb::test::RunAreaMoveTests(sample, argc, argv) +
           qb::test::RunThreeViewsPathTests(sample, argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string runtime = MakeRuntimeFolder();
    const int failures = RunAll(argc, argv);
    if (!runtime.empty())
        ::rmdir(runtime.c_str());
    return failures == 0 ? 0 : 1;
}
