#include "shell/dialogs/SelectFontDlg.h"

#include "platform/qt/QtText.h"
#include "shell/dialogs/ColourPicker.h"
#include "shell/dialogs/LabelFontQt.h"
#include "shell/dialogs/OkCancelRow.h"
#include "shell/dialogs/QtColour.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace qb {
namespace {

constexpr std::string_view kChooseColourButtonText = "色の選択(&C)...";
constexpr int kPreviewHeight = 64;

} // namespace

CSelectFontDlg::CSelectFontDlg(ISettingsStore& store, CLabelState& state,
                               std::function<void()> repaintViews, QWidget* parent)
    : QDialog(parent), m_logic(store, state, std::move(repaintViews))
{
    setWindowTitle(ToQString(kSelectFontTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_kinds = new QListWidget(this);
    m_kinds->setObjectName(QStringLiteral("kindList"));
    for (std::string_view text : CSelectFontLogic::Entries())
        m_kinds->addItem(ToQString(text));
    m_kinds->setCurrentRow(m_logic.Selection());
    connect(m_kinds, &QListWidget::currentRowChanged, this, &CSelectFontDlg::OnRowChanged);
    connect(m_kinds, &QListWidget::itemDoubleClicked, this, &CSelectFontDlg::ChooseFont);

    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setTextFormat(Qt::PlainText);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAutoFillBackground(true);
    m_preview->setMinimumHeight(kPreviewHeight);

    auto* top = new QHBoxLayout;
    top->addWidget(m_kinds, 1);
    top->addLayout(CreateButtonColumn());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_preview);
    layout->addLayout(CreateOkCancelRow(*this));
    ShowPreview();
}

QLayout* CSelectFontDlg::CreateButtonColumn()
{
    auto* font = new QPushButton(ToQString(kChooseFontButtonText), this);
    font->setObjectName(QStringLiteral("fontButton"));
    auto* colour = new QPushButton(ToQString(kChooseColourButtonText), this);
    colour->setObjectName(QStringLiteral("colourButton"));
    connect(font, &QPushButton::clicked, this, &CSelectFontDlg::ChooseFont);
    connect(colour, &QPushButton::clicked, this, &CSelectFontDlg::ChooseColour);
    auto* column = new QVBoxLayout;
    column->addWidget(font);
    column->addWidget(colour);
    column->addStretch();
    return column;
}

void CSelectFontDlg::OnRowChanged(int row)
{
    m_logic.Select(row);
    ShowPreview();
}

void CSelectFontDlg::ShowPreview()
{
    const int kind = m_logic.Selection();
    if (!IsPlaceKind(kind)) {
        m_preview->clear();
        return;
    }
    const LabelFont& font = m_logic.Font(kind);
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, QColorOf(font.colour));
    m_preview->setPalette(palette);
    m_preview->setFont(QFontOfLabel(font));
    m_preview->setText(ToQString(CSelectFontLogic::Entries()[static_cast<std::size_t>(kind)]));
}

void CSelectFontDlg::ChooseFont()
{
    const std::optional<FontChooserRequest> request = m_logic.ChooserRequest();
    if (!request)
        return;
    QFontDialog chooser(ChooserFontOf(request->font, logicalDpiY()), this);
    chooser.setOption(QFontDialog::DontUseNativeDialog);
    if (chooser.exec() != QDialog::Accepted)
        return;
    m_logic.AcceptChoice(LabelFontFromChoice(request->font, chooser.selectedFont(), logicalDpiY()));
    ShowPreview();
}

void CSelectFontDlg::ChooseColour()
{
    const std::optional<FontChooserRequest> request = m_logic.ChooserRequest();
    if (!request)
        return;
    const std::optional<Colour> colour = PickColour(request->font.colour, this);
    if (!colour)
        return;
    LabelFont chosen = request->font;
    chosen.colour = *colour;
    m_logic.AcceptChoice(chosen);
    ShowPreview();
}

void CSelectFontDlg::accept()
{
    m_logic.Ok();
    QDialog::accept();
}

void CSelectFontDlg::reject()
{
    m_logic.Cancel();
    QDialog::reject();
}

bool RunFontDialog(ISettingsStore& store, QWidget* parent, CLabelState& state)
{
    CSelectFontDlg dialog(store, state, {}, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace qb
