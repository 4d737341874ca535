// A .zip archive as a folder conversion reads it: its XML members, each
// decompressed and imported.
#include "tests/fuzz/ReaderReplay.h"

#include "terrain/ByteSource.h"
#include "terrain/HeightGrid.h"
#include "terrain/ZipArchive.h"
#include "tests/fuzz/GridCheck.h"
#include "tests/fuzz/InputFile.h"

namespace qb::fuzz {

ReplayResult ReplayZip(std::string_view bytes)
{
    const CInputFile file(bytes);
    CZipArchive archive;
    ReplayResult result;
    result.accepted = archive.Open(file.Path());
    if (!result.accepted)
        return result;
    CHeightGrid grid;
    for (const CZipArchive::Member& member : archive.XmlMembers()) {
        std::string xml, error;
        if (!archive.Read(member, xml, error))
            continue;
        CMemoryByteSource source(xml);
        result.fault = GridFault(grid.ImportXml(source, member.name, false) == 1, grid, "import of " + member.name);
        if (!result.fault.empty())
            break;
    }
    return result;
}

} // namespace qb::fuzz
