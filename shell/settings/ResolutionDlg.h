#pragma once
#include <QDialog>

#include <cstdint>

class QButtonGroup;

namespace qb {

// The fineness dialog ("細かさの設定"): coarse, fine or very fine drawing,
// opened at the fineness whose budget the current one is.
class CResolutionDlg final : public QDialog {
    Q_OBJECT
public:
    CResolutionDlg(std::int32_t resolution, QWidget* parent);

    // The budget of the radio checked now.
    std::int32_t Resolution() const;

private:
    QButtonGroup* m_choices = nullptr;
};

// Runs the dialog; on OK `resolution` becomes the chosen budget. True on OK.
bool RunResolutionDialog(std::int32_t& resolution, QWidget* parent);

} // namespace qb
