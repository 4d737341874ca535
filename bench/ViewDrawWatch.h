#pragma once
#include <QElapsedTimer>
#include <QObject>

#include <cstdint>

namespace qb {
struct TerrainMesh;
}

namespace qb::bench {

// Notes, in milliseconds of a clock, when a 2-D view last finished a paint
// and when a rendering view first put a frame of its latest mesh on the
// screen (the window's later compositions, which signal swaps as well, do
// not count),
// whichever view of those kinds it was: views made during a command (a
// re-opened area's) are watched from their first paint on.
class CViewDrawWatch final : public QObject {
public:
    explicit CViewDrawWatch(const QElapsedTimer& clock);
    ~CViewDrawWatch() override;

    // Forgets what was noted, before the clock starts again.
    void Reset()
    {
        m_last2D = -1;
        m_lastFrame = -1;
        m_pFrameMesh = nullptr;
        m_pPaintedMesh = nullptr;
    }
    std::int64_t Last2DPaint() const { return m_last2D; }
    std::int64_t LastRenderFrame() const { return m_lastFrame; }
    // The mesh the last frame showed.
    const TerrainMesh* LastFrameMesh() const { return m_pFrameMesh; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void WatchFrames(QObject* widget);

    const QElapsedTimer& m_clock;
    std::int64_t m_last2D = -1;
    std::int64_t m_lastFrame = -1;
    const TerrainMesh* m_pFrameMesh = nullptr;
    // The mesh of the picture's last paint, on the screen at the next swap.
    const TerrainMesh* m_pPaintedMesh = nullptr;
};

} // namespace qb::bench
