# The drawing benchmarks of qb_bench: the 2-D view of the sample area into an
# image, the placement of place-name labels (they need Qt for fonts), and the
# rendering view's frames through offscreen OpenGL, and the globe.
if(QUARRENBY_QT)
  target_sources(qb_bench PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FrameBenchmarks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GlobeBenchmarks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GuiApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RenderBenchmarks.cpp)
  target_link_libraries(qb_bench PRIVATE qb_bench_sample qb_cli qb_views qb_webmap qb_platform_qt qb_render3d_gl)
endif()
