# The drawing benchmarks of qb_bench: the 2-D view of the sample area into an
# image and the placement of place-name labels (they need Qt for fonts).
if(QUARRENBY_QT)
  target_sources(qb_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/RenderBenchmarks.cpp)
  target_link_libraries(qb_bench PRIVATE qb_bench_sample qb_cli qb_views qb_platform_qt)
endif()
