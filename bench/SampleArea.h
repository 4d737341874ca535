#pragma once
#include "cli/DocumentSession.h"
#include "tests/support/TempDir.h"

namespace qb::bench {

// The sample cell 6443-20 converted into a scratch database and opened as a
// 5 m area (2,250 x 1,500 points), once per run.
struct SampleArea {
    SampleArea();

    test::CTempDir database;
    cli::CDocumentSession session{database.Path()};
    bool opened = false;
};

SampleArea& Sample();

} // namespace qb::bench
