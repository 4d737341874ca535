#pragma once
#include "render3d/LightPositionLogic.h"

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

// Runs the dialog for the camera's light; on OK the light moves to the
// chosen direction and height. True on OK.
bool RunLightPositionDialog(RenderCamera& camera, QWidget* parent);

} // namespace qb
