# The drawing benchmarks of qb_bench: the 2-D view of the sample area into an
# image, the placement of place-name labels (they need Qt for fonts), and the
# rendering view's frames through offscreen OpenGL.
if(QUARRENBY_QT)
  target_sources(qb_bench PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FrameBenchmarks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RenderBenchmarks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SampleArea.cpp)
  target_link_libraries(qb_bench PRIVATE qb_cli qb_views qb_platform_qt qb_render3d_gl)
endif()
