#include "shell/dialogs/MemoryFontDlg.h"

#include "shell/dialogs/ColourPicker.h"
#include "shell/dialogs/ColourSwatchButton.h"
#include "shell/dialogs/LabelFontQt.h"
#include "shell/dialogs/OkCancelRow.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qb {

CMemoryFontDlg::CMemoryFontDlg(const LabelFont& font, QWidget* parent)
    : QDialog(parent), m_base(font), m_chooser(new QFontDialog(this)), m_colour(new CColourSwatchButton(this))
{
    setWindowTitle(QStringLiteral("ﾒﾓﾘのﾌｫﾝﾄの設定"));
    // The chooser is a part of this dialog, without buttons of its own.
    m_chooser->setWindowFlags(Qt::Widget);
    m_chooser->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    m_chooser->setCurrentFont(ChooserFontOf(font, logicalDpiY()));
    m_colour->setObjectName(QStringLiteral("colourButton"));
    m_colour->SetFill(font.colour);
    connect(m_colour, &QAbstractButton::clicked, this, &CMemoryFontDlg::ChooseColour);

    auto* colourLabel = new QLabel(QStringLiteral("色(&C):"), this);
    colourLabel->setBuddy(m_colour);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_colour);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chooser);
    layout->addLayout(colourRow);
    layout->addLayout(CreateOkCancelRow(*this));
}

LabelFont CMemoryFontDlg::Font() const
{
    LabelFont font = LabelFontFromChoice(m_base, m_chooser->currentFont(), logicalDpiY());
    font.colour = m_colour->Fill();
    return font;
}

void CMemoryFontDlg::ChooseColour()
{
    if (const std::optional<Colour> colour = PickColour(m_colour->Fill(), this))
        m_colour->SetFill(*colour);
}

bool RunMemoryFontDialog(LabelFont& font, QWidget* parent)
{
    CMemoryFontDlg dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.Font();
    return true;
}

} // namespace qb
