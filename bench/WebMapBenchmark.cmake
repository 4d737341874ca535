# qb_webmap_bench: the open-from-map dialog's web map from the dialog's start
# to the page drawn with its grid and outlines (see README.md). It is built
# beside the viewer, where the build delivers the map page it loads.
add_executable(qb_webmap_bench
  ${CMAKE_CURRENT_LIST_DIR}/TimedWebView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WebMapBench.cpp)
set_target_properties(qb_webmap_bench PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${QB_WEB_DIR})
target_include_directories(qb_webmap_bench PRIVATE ${PROJECT_BINARY_DIR}/layers/bench)
target_link_libraries(qb_webmap_bench PRIVATE qb_shell_settings qb_webmap qb_app qb_platform_qt_web qb_render3d_gl
  qb_platform)
add_dependencies(qb_webmap_bench qb_web_page)
