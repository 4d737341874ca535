// The rendering view's widget in windows of its own, under a display.
#include "render3d/RenderCamera.h"
#include "render3d/gl/RenderWidget.h"
#include "tests/render3d_gl/TestTerrain.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace qb::test {
namespace {

class RenderWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.resize(320, 240);
        m_widget = new CRenderWidget(&m_window);
        m_widget->resize(320, 240);
        auto mesh = std::make_shared<const TerrainMesh>(MakeTestTerrain());
        m_camera.SetScene(mesh->target, mesh->extent);
        m_widget->SetMesh(mesh);
        m_widget->SetFrameSource([this](int w, int h) {
            ++m_frames;
            return m_camera.Frame(w, h);
        });
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // The wall's middle and the sky's corner of a fresh frame.
    void ExpectTerrainDrawn()
    {
        const QImage image = m_widget->GrabFrame().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.width(), 320);
        const RenderFrame frame = m_camera.Frame(image.width(), image.height());
        int x = 0, y = 0;
        ASSERT_TRUE(PixelOf(frame, {10, 20, 1}, x, y));
        EXPECT_EQ(image.pixel(0, 0), kClearColour);
        EXPECT_PRED2(Near, image.pixel(x, y), LitColour(kWallColour, {0, 1, 0}, frame.lightDirection));
    }

    QWidget m_window;
    CRenderWidget* m_widget = nullptr;
    RenderCamera m_camera;
    int m_frames = 0;
};

TEST_F(RenderWidgetTest, DrawsTheTerrainAndMeasuresTheFrame)
{
    ExpectTerrainDrawn();
    EXPECT_TRUE(m_widget->GlError().empty()) << m_widget->GlError();
    EXPECT_GT(m_widget->LastFrameSeconds(), 0.0);
}

TEST_F(RenderWidgetTest, DrawsOnlyWhenAskedNotInALoop)
{
    QTest::qWait(100);
    const int settled = m_frames;
    QTest::qWait(300);
    EXPECT_EQ(m_frames, settled);
    m_widget->update();
    QElapsedTimer timer;
    timer.start();
    while (m_frames == settled && timer.elapsed() < 2000)
        QTest::qWait(10);
    EXPECT_EQ(m_frames, settled + 1);
}

TEST_F(RenderWidgetTest, MovedIntoAnotherWindowItDrawsTheTerrainAgain)
{
    ExpectTerrainDrawn();
    QWidget other;
    other.resize(320, 240);
    m_widget->setParent(&other);
    m_widget->resize(320, 240);
    m_widget->show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    ExpectTerrainDrawn();
    m_widget->setParent(&m_window);
}

TEST_F(RenderWidgetTest, LeavesMouseAndKeysToItsParent)
{
    EXPECT_TRUE(m_widget->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(m_widget->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(m_window.childAt(10, 10), nullptr);
}

} // namespace
} // namespace qb::test
