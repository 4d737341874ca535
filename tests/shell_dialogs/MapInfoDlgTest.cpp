#include "shell/dialogs/MapInfoDlg.h"

#include <gtest/gtest.h>

namespace qb {
namespace {

TEST(MapInfoDialog, ShowsEachTextInItsRowWithItsSpaces)
{
    const MapInfoTexts texts{"/data/5339-45.3dm", "Quarrenby オリジナルデータ", " 1125", "  750",
                             "   10m", "    9m", " 139.30' 0", " 139.45' 0", "  35.40' 0", "  35.30' 0"};
    const CMapInfoDlg dialog(texts, nullptr);
    const std::vector<QString> expected{
        QStringLiteral("/data/5339-45.3dm"), QStringLiteral("Quarrenby オリジナルデータ"),
        QStringLiteral(" 1125"), QStringLiteral("  750"), QStringLiteral("   10m"), QStringLiteral("    9m"),
        QStringLiteral(" 139.30' 0"), QStringLiteral(" 139.45' 0"), QStringLiteral("  35.40' 0"),
        QStringLiteral("  35.30' 0")};
    std::vector<QString> shown;
    for (int i = 0; i < CMapInfoDlg::kTextCount; ++i)
        shown.push_back(dialog.Text(i));
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("地図情報"));
}

} // namespace
} // namespace qb
