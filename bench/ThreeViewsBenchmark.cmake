# qb_three_views_bench: the desktop program driven in its own process from OK
# in the open-from-map dialog, and through moves east, until the 2-D view, the
# map view and the rendering view have drawn (see README.md). Built beside the
# viewer, where the build delivers the map page.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
add_executable(qb_three_views_bench
  ${CMAKE_CURRENT_LIST_DIR}/ThreeViewsBench.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewDrawWatch.cpp
  ${PROJECT_SOURCE_DIR}/tests/gui/MapPage.cpp)
set_target_properties(qb_three_views_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QB_WEB_DIR})
target_include_directories(qb_three_views_bench PRIVATE ${PROJECT_BINARY_DIR}/layers/bench)
target_link_libraries(qb_three_views_bench PRIVATE qb_shell qb_test_support Qt6::Test Qt6::Widgets)
add_dependencies(qb_three_views_bench qb_web_page)
