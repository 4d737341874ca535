#pragma once
#include "cli/DocumentSession.h"
#include "terrain/GeoBox.h"
#include "tests/support/TempDir.h"

namespace qb::bench {

// Secondary cell 6443-20.
inline constexpr GeoBox kSampleCell{
    .south = 42.0 + 50.0 / 60.0, .north = 42.0 + 55.0 / 60.0, .west = 143.0, .east = 143.125};

// The bundled sample cell converted into a scratch database and opened as a
// 5 m area of 2250 x 1500 points, as the viewer opens it.
struct SampleArea {
    test::CTempDir database;
    cli::CDocumentSession session{database.Path()};
    bool opened = false;

    SampleArea();
    const CHeightGrid& Grid() { return session.Doc().Grid(); }
};

} // namespace qb::bench
