#include "shell/dialogs/Cp932EditLimit.h"

#include "platform/Cp932.h"

#include <algorithm>

namespace qb {
namespace {

qsizetype CommonPrefix(const QString& a, const QString& b)
{
    const qsizetype most = std::min(a.size(), b.size());
    qsizetype n = 0;
    while (n < most && a[n] == b[n])
        ++n;
    if (n > 0 && b[n - 1].isHighSurrogate())
        --n;   // never split a surrogate pair
    return n;
}

qsizetype CommonSuffix(const QString& a, const QString& b, qsizetype prefix)
{
    const qsizetype most = std::min(a.size(), b.size()) - prefix;
    qsizetype n = 0;
    while (n < most && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    if (n > 0 && b[b.size() - n].isLowSurrogate())
        --n;
    return n;
}

void DropLastCharacter(QString& text)
{
    const bool pair = text.size() >= 2 && text.back().isLowSurrogate() && text[text.size() - 2].isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

} // namespace

bool FitsCp932Bytes(const QString& text, std::size_t maxBytes)
{
    const std::string utf8 = text.toStdString();
    return TruncateUtf8ToCp932Bytes(utf8, maxBytes).size() == utf8.size();
}

QString LimitEditToCp932Bytes(const QString& before, const QString& after, std::size_t maxBytes,
                              int& cursor)
{
    if (FitsCp932Bytes(after, maxBytes))
        return after;
    const qsizetype prefix = CommonPrefix(before, after);
    const qsizetype suffix = CommonSuffix(before, after, prefix);
    QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const QString head = after.left(prefix);
    const QString tail = after.right(suffix);
    while (!inserted.isEmpty() && !FitsCp932Bytes(head + inserted + tail, maxBytes))
        DropLastCharacter(inserted);
    const QString kept = head + inserted + tail;
    if (!FitsCp932Bytes(kept, maxBytes)) {
        // The text was too long before the change: cut its end.
        const QString cut = QString::fromStdString(TruncateUtf8ToCp932Bytes(kept.toStdString(), maxBytes));
        cursor = static_cast<int>(cut.size());
        return cut;
    }
    cursor = static_cast<int>(prefix + inserted.size());
    return kept;
}

} // namespace qb
