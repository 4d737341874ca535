#include "shell/dialogs/UserColorDlg.h"

#include "platform/qt/QtText.h"
#include "shell/dialogs/ColourPicker.h"
#include "shell/dialogs/ColourSwatchButton.h"
#include "shell/dialogs/Cp932ByteValidator.h"
#include "shell/dialogs/OkCancelRow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qb {
namespace {

QString NumberedName(const char* prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

} // namespace

CUserColorDlg::CUserColorDlg(ISettingsStore& store, IMessageSink& messages, UserColorRequest request,
                             QWidget* parent)
    : QDialog(parent), m_logic(store, messages, request)
{
    setWindowTitle(ToQString(kUserColorTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreateNameRow());
    layout->addWidget(CreateKindGroup());
    for (int kind = 0; kind < kKindCount; ++kind)
        layout->addWidget(CreateColourGroup(kind));
    layout->addLayout(CreateOkCancelRow(*this));
    UpdateGroups();
}

QLayout* CUserColorDlg::CreateNameRow()
{
    m_name = new QLineEdit(ToQString(m_logic.Name()), this);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    m_name->setValidator(new CCp932ByteValidator(kSchemeNameMaxBytes, m_name));
    m_name->setReadOnly(m_logic.IsNameReadOnly());
    auto* caption = new QLabel(ToQString(kSchemeNameLabel), this);
    caption->setBuddy(m_name);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(m_name, 1);
    return row;
}

QGroupBox* CUserColorDlg::CreateKindGroup()
{
    auto* box = new QGroupBox(ToQString(kSchemeKindGroupTitle), this);
    auto* kinds = new QButtonGroup(box);
    auto* layout = new QHBoxLayout(box);
    for (int kind = 0; kind < kKindCount; ++kind) {
        auto* radio = new QRadioButton(ToQString(kSchemeKindTexts[static_cast<std::size_t>(kind)]), box);
        radio->setObjectName(NumberedName("kind", kind));
        radio->setChecked(kind == m_logic.Kind());
        kinds->addButton(radio, kind);
        layout->addWidget(radio);
    }
    connect(kinds, &QButtonGroup::idClicked, this, &CUserColorDlg::OnKindClicked);
    return box;
}

QGroupBox* CUserColorDlg::CreateColourGroup(int kind)
{
    auto* box = new QGroupBox(ToQString(kSchemeKindTexts[static_cast<std::size_t>(kind)]), this);
    box->setObjectName(NumberedName("colourGroup", kind));
    m_groups[static_cast<std::size_t>(kind)] = box;
    auto* row = new QHBoxLayout(box);
    const auto addLabel = [box, row](std::string_view text) { row->addWidget(new QLabel(ToQString(text), box)); };
    switch (kind) {
    case kKindSingle:
        addLabel(kSingleColourLabel);
        row->addWidget(CreateSwatch(kSingleSwatch, box));
        break;
    case kKindHeight:
        addLabel(kLowColourLabel);
        row->addWidget(CreateSwatch(kLowSwatch, box));
        addLabel(kHighColourLabel);
        row->addWidget(CreateSwatch(kHighSwatch, box));
        break;
    default:
        addLabel(kGentleSlopeLabel);
        for (int swatch = kFirstSlopeSwatch; swatch < kSwatchCount; ++swatch)
            row->addWidget(CreateSwatch(swatch, box));
        addLabel(kSteepSlopeLabel);
        break;
    }
    row->addStretch();
    return box;
}

CColourSwatchButton* CUserColorDlg::CreateSwatch(int swatch, QWidget* parent)
{
    auto* button = new CColourSwatchButton(parent);
    button->setObjectName(NumberedName("swatch", swatch));
    connect(button, &CColourSwatchButton::clicked, this, [this, swatch] { PickSwatchColour(swatch); });
    m_swatches[static_cast<std::size_t>(swatch)] = button;
    return button;
}

void CUserColorDlg::OnKindClicked(int kind)
{
    m_logic.ChooseKind(kind);
    UpdateGroups();
}

void CUserColorDlg::UpdateGroups()
{
    for (int kind = 0; kind < kKindCount; ++kind)
        m_groups[static_cast<std::size_t>(kind)]->setEnabled(m_logic.IsGroupEnabled(kind));
    for (int swatch = 0; swatch < kSwatchCount; ++swatch)
        m_swatches[static_cast<std::size_t>(swatch)]->SetFill(m_logic.SwatchFill(swatch));
}

void CUserColorDlg::PickSwatchColour(int swatch)
{
    const std::optional<ColourPickerRequest> request = m_logic.PickerRequest(swatch);
    if (!request)
        return;
    CustomColours custom = request->custom;
    const std::optional<Colour> chosen = PickColour(request->initial, custom, this);
    if (!chosen)
        return;
    m_logic.AcceptPickedColour(swatch, *chosen, custom);
    m_swatches[static_cast<std::size_t>(swatch)]->SetFill(m_logic.SwatchFill(swatch));
}

void CUserColorDlg::accept()
{
    m_logic.SetName(m_name->text().toStdString());
    if (m_logic.Ok())
        QDialog::accept();
}

} // namespace qb
