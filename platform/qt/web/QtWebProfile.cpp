#include "platform/qt/web/QtWebProfile.h"

#include <QDir>
#include <QStandardPaths>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include <cstdlib>
#include <unistd.h>

namespace qb {
namespace {

QWebEngineProfile* g_current = nullptr;

} // namespace

QString WebCacheFolder(const QString& dataFolder, const QString& cacheFolder)
{
    const QString base = dataFolder.isEmpty() ? cacheFolder : dataFolder;
    if (base.isEmpty())
        return {};
    return QDir(base).filePath(QStringLiteral("Quarrenby/WebCache"));
}

void PrepareWebEngine()
{
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
}

CQtWebProfile::CQtWebProfile()
{
    const QString folder =
        WebCacheFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                       QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation));
    m_profile = std::make_unique<QWebEngineProfile>(QStringLiteral("Quarrenby"));
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        m_profile->setPersistentStoragePath(folder);
        m_profile->setCachePath(QDir(folder).filePath(QStringLiteral("Cache")));
    }
    // The page is a local file whose map tiles come from the network.
    m_profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    g_current = m_profile.get();
}

CQtWebProfile::~CQtWebProfile()
{
    g_current = nullptr;
}

QWebEngineProfile* CQtWebProfile::Current()
{
    return g_current;
}

} // namespace qb
