#include "platform/qt/web/QtWebProfile.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The browser needs a display (Xvfb in the tests). Its storage goes to a
// folder of the run's own, and the profile goes before the application.
int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    qb::PrepareWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    int status = 0;
    {
        qb::CQtWebProfile profile;
        ::testing::InitGoogleTest(&argc, argv);
        status = RUN_ALL_TESTS();
    }
    return status;
}
