#include "shell/help/HelpPages.h"

#include <QFile>

// Q_INIT_RESOURCE names a function of the global namespace, so it is called
// from outside namespace qb.
static void RegisterHelpResourceBlock()
{
    Q_INIT_RESOURCE(help);
}

namespace qb {
namespace {

constexpr int kContentsTopic = 4;

} // namespace

void InitHelpResources()
{
    static const bool registered = [] {
        RegisterHelpResourceBlock();
        return true;
    }();
    (void)registered;
}

QString HelpPagePath(int topic)
{
    return QStringLiteral(":/help/topic%1.html").arg(topic);
}

QUrl HelpPageUrl(int topic)
{
    return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
}

bool HasHelpPage(int topic)
{
    InitHelpResources();
    return QFile::exists(HelpPagePath(topic));
}

QUrl HelpPageOrContents(int topic)
{
    return HelpPageUrl(HasHelpPage(topic) ? topic : kContentsTopic);
}

} // namespace qb
