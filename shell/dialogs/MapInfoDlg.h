#pragma once
#include "terrain/MapInfo.h"

#include <QDialog>

#include <array>

class QLabel;

namespace qb {

// The map information dialog ("地図情報"): the ten figures of the open grid,
// each beside its name, selectable so that they can be copied. The figures
// are set in a fixed-pitch font so that their columns line up.
class CMapInfoDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextCount = 10;

    CMapInfoDlg(const MapInfoTexts& texts, QWidget* parent);

    // The text shown at a row, 0 (file name) .. 9 (south latitude).
    QString Text(int index) const;

private:
    std::array<QLabel*, kTextCount> m_values{};
};

} // namespace qb
