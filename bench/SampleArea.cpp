#include "bench/SampleArea.h"

#include "terrain/AreaAssembly.h"
#include "terrain/XmlConversion.h"

namespace qb::bench {
namespace {

// Secondary cell 6443-20.
constexpr GeoBox kSampleCell{.south = 42.0 + 50.0 / 60.0, .north = 42.0 + 55.0 / 60.0, .west = 143.0, .east = 143.125};

} // namespace

SampleArea::SampleArea()
{
    int openMode = 0, mapKind = 0;
    XmlFolderJob job{database.Path(), &openMode, &mapKind, &session.Console().messages, nullptr};
    XmlFolderSummary summary;
    opened = ImportXmlFolder({test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip")}, job, summary) &&
             session.FindAreaTiles(kMesh5m, kSampleCell) && session.OpenFoundArea();
}

SampleArea& Sample()
{
    static SampleArea area;
    return area;
}

} // namespace qb::bench
