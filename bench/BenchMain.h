#pragma once
#include "bench/BenchFixtures.h"

namespace qb::bench {

// The fixtures of this run, written before the first benchmark starts.
CBenchFixtures& Fixtures();

} // namespace qb::bench
