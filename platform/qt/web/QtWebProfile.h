#pragma once
#include <QString>

#include <memory>

class QWebEngineProfile;

namespace qb {

// Where the web pages keep their storage (cache, cookies, local storage):
// "Quarrenby/WebCache" in the per-user data folder, or in the per-user cache
// folder when no data folder is known. Never a folder shared by all users.
QString WebCacheFolder(const QString& dataFolder, const QString& cacheFolder);

// The browser's sandbox cannot run as root: it is turned off for the root
// user only. Call before the application object is made.
void PrepareWebEngine();

// The one persistent web profile of the process. Make it after the
// application object and let it go before that object, so that the page
// storage is written out; every page is destroyed before it.
class CQtWebProfile {
public:
    CQtWebProfile();
    ~CQtWebProfile();
    CQtWebProfile(const CQtWebProfile&) = delete;
    CQtWebProfile& operator=(const CQtWebProfile&) = delete;

    // The live profile; null when none is made.
    static QWebEngineProfile* Current();

private:
    std::unique_ptr<QWebEngineProfile> m_profile;
};

} // namespace qb
