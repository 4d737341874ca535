#pragma once
#include <QString>
#include <QUrl>

namespace qb {

// Registers the help pages compiled into this library. A static library's
// resources stay unknown to Qt until this runs; calling it again does nothing.
void InitHelpResources();

// The resource path (":/help/topicNN.html") and the address
// ("qrc:/help/topicNN.html") of a topic's page.
QString HelpPagePath(int topic);
QUrl HelpPageUrl(int topic);

// Whether the program carries a page for the topic.
bool HasHelpPage(int topic);

// The page to show for a topic: its own page, or the contents page when the
// topic has none.
QUrl HelpPageOrContents(int topic);

} // namespace qb
