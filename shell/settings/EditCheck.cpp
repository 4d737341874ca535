#include "shell/settings/EditCheck.h"

#include <QLineEdit>

namespace qb {

bool CheckEdit(QLineEdit& edit, const std::function<bool(const std::string&)>& check)
{
    if (check(edit.text().toStdString()))
        return true;
    edit.setFocus();
    edit.selectAll();
    return false;
}

} // namespace qb
