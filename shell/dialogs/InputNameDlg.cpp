#include "shell/dialogs/InputNameDlg.h"

#include "places/InputName.h"
#include "platform/Cp932.h"
#include "platform/NameInputDialog.h"
#include "platform/qt/QtText.h"
#include "shell/dialogs/Cp932EditLimit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace qb {
namespace {

constexpr std::array<const char*, CInputName::kLevelChoices> kLevelTexts{
    "第一水準(&1)", "第二水準(&2)", "第三水準(&3)"};
constexpr std::array<const char*, CInputName::kKindChoices> kKindTexts{
    "ピーク(&P)", "川、谷、沢、ルンゼ(&R)", "尾根、稜、リッジ、壁(&F)", "滝(&F)",
    "湖、沼、池(&O)", "建物(&S)", "峠(&A)", "その他(&E)"};

void AddPointRow(QGridLayout* grid, int row, const char* caption, const std::string& text)
{
    grid->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
    auto* value = new QLabel(ToQString(text));
    value->setTextFormat(Qt::PlainText);
    grid->addWidget(value, row, 1);
}

// Radio buttons numbered 0, 1, ... in one exclusive group, the one at
// `checked` (if any) checked.
template <std::size_t N>
QButtonGroup* AddRadios(QGroupBox* box, const std::array<const char*, N>& texts, const char* namePrefix,
                        int checked)
{
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int id = 0; id < static_cast<int>(N); ++id) {
        auto* button = new QRadioButton(QString::fromUtf8(texts[id]), box);
        button->setObjectName(QString::fromLatin1(namePrefix) + QString::number(id));
        button->setChecked(id == checked);
        group->addButton(button, id);
        layout->addWidget(button);
    }
    layout->addStretch();
    return group;
}

} // namespace

CInputNameDlg::CInputNameDlg(CInputName& fields, IMessageSink& messages, QWidget* parent)
    : QDialog(parent), m_fields(fields), m_messages(messages)
{
    setWindowTitle(QStringLiteral("地名入力"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* groups = new QHBoxLayout;
    groups->addWidget(CreateLevelGroup());
    groups->addWidget(CreateKindGroup());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreatePointTexts());
    layout->addLayout(groups);
    layout->addLayout(CreateButtons());
    m_name->setFocus();
}

QWidget* CInputNameDlg::CreatePointTexts()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    AddPointRow(grid, 0, "標高 : ", m_fields.m_strHeight);
    AddPointRow(grid, 1, "X座標 : ", m_fields.m_strX);
    AddPointRow(grid, 2, "Y座標 : ", m_fields.m_strY);
    auto* caption = new QLabel(QStringLiteral("地名 (&N)(全角15文字まで)"), panel);
    m_name = new QLineEdit(panel);
    m_name->setObjectName(QStringLiteral("nameEdit"));
    // No name takes more characters than bytes; the byte limit is kept on every edit.
    m_name->setMaxLength(static_cast<int>(CInputName::kNameBytes));
    m_name->setText(ToQString(TruncateUtf8ToCp932Bytes(m_fields.m_strName, CInputName::kNameBytes)));
    m_lastName = m_name->text();
    // Every change, typed or set, passes the byte limit, so that the text
    // before a change is always known.
    connect(m_name, &QLineEdit::textChanged, this, &CInputNameDlg::OnNameChanged);
    caption->setBuddy(m_name);
    grid->addWidget(caption, 3, 0, 1, 2);
    grid->addWidget(m_name, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return panel;
}

QGroupBox* CInputNameDlg::CreateLevelGroup()
{
    m_levelGroup = new QGroupBox(QStringLiteral("表示水準"), this);
    m_levelGroup->setObjectName(QStringLiteral("levelGroup"));
    m_levels = AddRadios(m_levelGroup, kLevelTexts, "level", m_fields.m_nLevel);
    return m_levelGroup;
}

QGroupBox* CInputNameDlg::CreateKindGroup()
{
    auto* box = new QGroupBox(QStringLiteral("地名の種類"), this);
    m_kinds = AddRadios(box, kKindTexts, "kind", m_fields.m_nKind);
    connect(m_kinds, &QButtonGroup::idClicked, this, &CInputNameDlg::OnKindClicked);
    return box;
}

QLayout* CInputNameDlg::CreateButtons()
{
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    auto* remove = new QPushButton(QStringLiteral("削除(&D)"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    remove->setEnabled(m_fields.IsDeleteEnabled());
    connect(ok, &QPushButton::clicked, this, &CInputNameDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CInputNameDlg::reject);
    connect(remove, &QPushButton::clicked, this, &CInputNameDlg::Delete);
    auto* layout = new QHBoxLayout;
    layout->addStretch();
    layout->addWidget(ok);
    layout->addWidget(cancel);
    layout->addWidget(remove);
    return layout;
}

int CInputNameDlg::CheckedLevel() const
{
    return m_levels->checkedId();
}

int CInputNameDlg::CheckedKind() const
{
    return m_kinds->checkedId();
}

void CInputNameDlg::OnKindClicked(int kind)
{
    m_levelGroup->setEnabled(CInputName::AreLevelsEnabledFor(kind));
}

void CInputNameDlg::OnNameChanged(const QString& text)
{
    int cursor = m_name->cursorPosition();
    const QString kept = LimitEditToCp932Bytes(m_lastName, text, CInputName::kNameBytes, cursor);
    if (kept != text) {
        m_name->setText(kept);
        m_name->setCursorPosition(cursor);
    }
    m_lastName = kept;
}

void CInputNameDlg::accept()
{
    if (!m_fields.Accept(m_name->text().toStdString(), CheckedLevel(), CheckedKind(), m_messages))
        return;
    done(kNameInputOk);
}

void CInputNameDlg::reject()
{
    done(kNameInputCancel);
}

void CInputNameDlg::Delete()
{
    done(kNameInputDelete);
}

} // namespace qb
