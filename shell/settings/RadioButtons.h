#pragma once
#include <QString>

#include <string_view>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QWidget;

namespace qb {

// Radio buttons numbered 0, 1, ... in one exclusive group, added to the
// layout in order and named namePrefix + number; the one numbered `checked`
// (if any) is checked.
QButtonGroup* AddRadioButtons(QWidget* parent, QBoxLayout* layout, const std::vector<std::string_view>& texts,
                              const QString& namePrefix, int checked);

} // namespace qb
