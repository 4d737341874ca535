# The place-name benchmarks of qb_bench.
target_sources(qb_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PlacesBenchmarks.cpp)
target_link_libraries(qb_bench PRIVATE qb_places)
