#pragma once
#include "render3d/LightPosition.h"

#include <QDialog>

class QButtonGroup;

namespace qb {

// The light position dialog ("光源の位置"): the light's direction as seen
// from the camera in the group "方向" and its height in the group "高さ".
class CLightPositionDlg final : public QDialog {
    Q_OBJECT
public:
    CLightPositionDlg(const LightChoice& choice, QWidget* parent);

    // The radios checked now.
    LightChoice Choice() const;

private:
    QButtonGroup* m_directions = nullptr;
    QButtonGroup* m_heights = nullptr;
};

// Runs the dialog for the light at `light` seen from the camera at `camera`;
// on OK `light` takes the chosen angles. True on OK.
bool RunLightPositionDialog(const LightAngles& camera, LightAngles& light, QWidget* parent);

} // namespace qb
