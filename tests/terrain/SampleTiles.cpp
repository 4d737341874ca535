#include "tests/terrain/SampleTiles.h"

#include "terrain/ByteSource.h"
#include "terrain/XmlConversion.h"
#include "terrain/ZipArchive.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdio>

namespace qb::test {

std::string SampleTilePath(const std::string& databaseFolder, int latDigit, int lonDigit)
{
    char name[32];
    std::snprintf(name, sizeof name, "/5m/6443-20-%d%d.3dm", latDigit, lonDigit);
    return databaseFolder + name;
}

int ConvertSampleTiles(const std::string& databaseFolder, const std::vector<std::string>& codes)
{
    CZipArchive archive;
    if (!archive.Open(SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip")))
        return 0;
    // Members are named "FG-GML-6443-20-CC-DEM5A-date.xml".
    const std::string prefix = "FG-GML-6443-20-";
    CHeightGrid grid;
    int written = 0;
    for (const auto& member : archive.XmlMembers()) {
        const std::string code = member.name.substr(prefix.size(), 2);
        if (!codes.empty() && std::find(codes.begin(), codes.end(), code) == codes.end())
            continue;
        std::string bytes, error;
        if (!archive.Read(member, bytes, error))
            continue;
        CMemoryByteSource source(bytes);
        written += ConvertXmlSource(grid, source, member.name, databaseFolder).outcome == TileWriteOutcome::Written;
    }
    return written;
}

} // namespace qb::test
