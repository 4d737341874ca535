#pragma once
#include <QDialog>

class QButtonGroup;

namespace qb {

inline constexpr int kContourMethod = 0;
inline constexpr int kColourBandMethod = 1;

// The 2-D display method dialog ("2次元図表示方法の選択"): contour lines
// ("等高線図", 0) or colour bands ("色分け図", 1). A method other than
// colour bands opens as contour lines, as the 2-D view draws it.
class C2DMethodDlg final : public QDialog {
    Q_OBJECT
public:
    C2DMethodDlg(int method, QWidget* parent);

    // The method checked now.
    int Method() const;

private:
    QButtonGroup* m_methods = nullptr;
};

} // namespace qb
