#include "render3d/gl/RenderSurfaceFormat.h"

#include <QApplication>

#include <gtest/gtest.h>

// The OpenGL widgets need a display (Xvfb in the tests); the surface format
// is chosen before the application object, as the programs do.
int main(int argc, char** argv)
{
    qb::UseRenderSurfaceFormat();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
