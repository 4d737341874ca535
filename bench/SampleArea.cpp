#include "bench/SampleArea.h"

#include "terrain/AreaAssembly.h"
#include "terrain/XmlConversion.h"

namespace qb::bench {

SampleArea::SampleArea()
{
    int openMode = 0, mapKind = 0;
    XmlFolderJob job{database.Path(), &openMode, &mapKind, &session.Console().messages, nullptr};
    XmlFolderSummary summary;
    opened = ImportXmlFolder({test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip")}, job, summary) &&
             session.FindAreaTiles(kMesh5m, kSampleCell) && session.OpenFoundArea();
}

} // namespace qb::bench
