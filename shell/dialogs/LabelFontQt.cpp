#include "shell/dialogs/LabelFontQt.h"

#include "platform/qt/QPainterDrawContext.h"
#include "views/LabelPlacement.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace qb {
namespace {

constexpr double kPointsPerInch = 72.0;

int PixelHeightOf(const QFont& font, int dpi)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return std::max(1, static_cast<int>(std::lround(font.pointSizeF() * dpi / kPointsPerInch)));
}

// Whether the family has an italic style of its own; the chooser offers
// only those, and opened in italic on a family without one it falls back
// to the family's first style, losing the weight as well.
bool HasItalicStyle(const QString& family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
                       [&family](const QString& style) { return QFontDatabase::italic(family, style); });
}

} // namespace

QFont QFontOfLabel(const LabelFont& font)
{
    return FontFromSpec(FontSpecOf(font));
}

QFont ChooserFontOf(const LabelFont& font, int dpi)
{
    const QFont drawn = QFontOfLabel(font);
    QFont chooser(QFontInfo(drawn).family());
    chooser.setPointSizeF(drawn.pixelSize() * kPointsPerInch / dpi);
    chooser.setWeight(drawn.weight());
    chooser.setItalic(drawn.italic() && HasItalicStyle(chooser.family()));
    chooser.setUnderline(drawn.underline());
    chooser.setStrikeOut(drawn.strikeOut());
    return chooser;
}

LabelFont LabelFontFromChoice(const LabelFont& base, const QFont& chosen, int dpi)
{
    LabelFont font = base;
    font.faceName = chosen.family().toStdString();
    font.height = -PixelHeightOf(chosen, dpi);
    font.weight = static_cast<std::int32_t>(chosen.weight());
    font.italic = chosen.italic() ? 1 : 0;
    font.underline = chosen.underline() ? 1 : 0;
    font.strikeOut = chosen.strikeOut() ? 1 : 0;
    return font;
}

} // namespace qb
