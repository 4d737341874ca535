#include "shell/settings/RadioButtons.h"

#include "platform/qt/QtText.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace qb {

QButtonGroup* AddRadioButtons(QWidget* parent, QBoxLayout* layout, const std::vector<std::string_view>& texts,
                              const QString& namePrefix, int checked)
{
    auto* group = new QButtonGroup(parent);
    int id = 0;
    for (std::string_view text : texts) {
        auto* radio = new QRadioButton(ToQString(text), parent);
        radio->setObjectName(namePrefix + QString::number(id));
        group->addButton(radio, id);
        layout->addWidget(radio);
        ++id;
    }
    if (QAbstractButton* button = group->button(checked))
        button->setChecked(true);
    return group;
}

} // namespace qb
