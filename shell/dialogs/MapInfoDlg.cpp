#include "shell/dialogs/MapInfoDlg.h"

#include "platform/qt/QtText.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qb {
namespace {

struct Row {
    const char* name;
    const std::string MapInfoTexts::*text;
    bool figures;   // fixed-width numbers, aligned in a fixed-pitch font
};

constexpr std::array<Row, CMapInfoDlg::kTextCount> kRows{{
    {"ファイル名", &MapInfoTexts::fileName, false},
    {"ファイルの種類", &MapInfoTexts::fileType, false},
    {"東西の点数", &MapInfoTexts::pointsEastWest, true},
    {"南北の点数", &MapInfoTexts::pointsNorthSouth, true},
    {"東西の間隔", &MapInfoTexts::spacingEastWest, true},
    {"南北の間隔", &MapInfoTexts::spacingNorthSouth, true},
    {"西端の経度", &MapInfoTexts::west, true},
    {"東端の経度", &MapInfoTexts::east, true},
    {"北端の緯度", &MapInfoTexts::north, true},
    {"南端の緯度", &MapInfoTexts::south, true},
}};

QLabel* ValueLabel(const std::string& text, bool figures, QWidget* parent)
{
    auto* label = new QLabel(ToQString(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (figures)
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

} // namespace

CMapInfoDlg::CMapInfoDlg(const MapInfoTexts& texts, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("地図情報"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* grid = new QGridLayout;
    for (int row = 0; row < kTextCount; ++row) {
        grid->addWidget(new QLabel(QString::fromUtf8(kRows[row].name), this), row, 0);
        m_values[row] = ValueLabel(texts.*kRows[row].text, kRows[row].figures, this);
        grid->addWidget(m_values[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

QString CMapInfoDlg::Text(int index) const
{
    if (index < 0 || index >= kTextCount)
        return {};
    return m_values[index]->text();
}

} // namespace qb
