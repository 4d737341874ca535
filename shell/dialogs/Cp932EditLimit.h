#pragma once
#include <QString>

#include <cstddef>

namespace qb {

// An edit's text after the user changed `before` into `after`, kept within
// maxBytes of code page 932: the characters the change inserted are dropped
// from their end until the text fits, and the text that was there before
// stays. `cursor` becomes the position just after what was kept of the
// insertion. A text that fits is returned unchanged, cursor untouched.
QString LimitEditToCp932Bytes(const QString& before, const QString& after, std::size_t maxBytes,
                              int& cursor);

// Whether a text's code page 932 form takes at most maxBytes.
bool FitsCp932Bytes(const QString& text, std::size_t maxBytes);

} // namespace qb
