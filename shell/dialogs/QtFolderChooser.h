#pragma once
#include "platform/FolderChooser.h"

#include <QPointer>
#include <QWidget>

namespace qb {

// The folder chooser as Qt's directory dialog over a parent window.
class CQtFolderChooser final : public IFolderChooser {
public:
    explicit CQtFolderChooser(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    std::optional<std::string> ChooseFolder(const std::string& startFolder, std::string_view title) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace qb
