#pragma once
#include <QWidget>

namespace qb {

class CGlobeObj;

// The globe of the open-from-map dialog where the web map cannot be shown:
// drawn by the map host, a drag turns it and a drag with Shift chooses the
// box (snapped to cell lines, as on the web map); + and − zoom and the arrow
// keys turn it. The position under the mouse is told through StatusChanged.
class CGlobeWidget final : public QWidget {
    Q_OBJECT
public:
    CGlobeWidget(CGlobeObj& globe, QWidget* parent);
    CGlobeObj& Globe() const { return m_globe; }

signals:
    void StatusChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CGlobeObj& m_globe;
    int m_nStoredMouseMode = 0;
};

} // namespace qb
