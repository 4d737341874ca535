#pragma once
#include "bench/BenchFixtures.h"
#include "bench/XmlFixtures.h"

namespace qb::bench {

// The fixtures of this run, written before the first benchmark starts.
CBenchFixtures& Fixtures();
// The XML inputs of this run, in the same folder, each made on first use.
CXmlFixtures& XmlFixtures();

} // namespace qb::bench
