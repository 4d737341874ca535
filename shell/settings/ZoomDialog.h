#pragma once
#include <QDialog>

class QLineEdit;

namespace qb {

class CZoomLogic;
class IMessageSink;

// The zoom dialog ("拡大縮小") over its logic: the factor "倍率(&T)" with
// its unit "倍". A refused OK keeps the dialog open with the focus on the edit.
class CZoomDialog final : public QDialog {
    Q_OBJECT
public:
    CZoomDialog(CZoomLogic& logic, QWidget* parent);

    void accept() override;

private:
    CZoomLogic& m_logic;
    QLineEdit* m_factor = nullptr;
};

// Runs the dialog opened at `distance` / 24; on OK `distance` becomes the
// factor times 24. True on OK.
bool RunZoomDialog(IMessageSink& messages, double& distance, QWidget* parent);

} // namespace qb
