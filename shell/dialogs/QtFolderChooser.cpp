#include "shell/dialogs/QtFolderChooser.h"

#include "platform/qt/QtText.h"

#include <QFileDialog>

namespace qb {

std::optional<std::string> CQtFolderChooser::ChooseFolder(const std::string& startFolder, std::string_view title)
{
    const QString chosen = QFileDialog::getExistingDirectory(m_parent, ToQString(title), ToQString(startFolder),
                                                             QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

} // namespace qb
