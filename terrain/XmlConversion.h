#pragma once
#include "terrain/GeoBox.h"
#include "terrain/HeightGrid.h"
#include "terrain/ZipArchive.h"

#include <optional>
#include <string>
#include <vector>

namespace qb {

class IByteSource;
class IMessageSink;
class IProgress;

// The result of converting one XML file into the database folder.
struct XmlConversion {
    std::string source;  // the file, or "archive.zip/member.xml"
    TileWriteOutcome outcome = TileWriteOutcome::Failed;
    int meshSize = 0;
    std::string target;
    std::string reason;  // why it failed
    GeoBox extent;       // the tile's corners, east-positive, once read
};

// Reads one XML file quietly, names its tile and writes it into the "10m",
// "5m" or "1m" subfolder of the database folder, keeping an existing better
// tile. ConvertXmlFile returns 1 when a tile was written or a better one kept.
XmlConversion ConvertXmlSource(CHeightGrid& grid, IByteSource& source, const std::string& name,
                               const std::string& databaseFolder);
int ConvertXmlFile(CHeightGrid& grid, const std::string& path, const std::string& databaseFolder);

// One XML input: a loose file, or a member of a .zip archive.
struct XmlInput {
    std::string path;
    bool inArchive = false;
    CZipArchive::Member member;
    std::string Name() const { return inArchive ? path + "/" + member.name : path; }
};

// The XML inputs below the given paths: folders searched with their
// subfolders, the XML members of every .zip archive, and .xml files; each
// folder's entries in name order.
std::vector<XmlInput> FindXmlInputs(const std::vector<std::string>& paths);

// The state a folder conversion reads and changes: the open mode is set to 3
// while it runs, and the mesh setting follows the spacing of the last tile.
struct XmlFolderJob {
    std::string databaseFolder;
    int* openMode = nullptr;
    int* mapKind = nullptr;
    IMessageSink* messages = nullptr;
    IProgress* progress = nullptr;
};

struct XmlFolderSummary {
    int found = 0;
    int converted = 0;  // tiles written
    int kept = 0;       // an existing better tile stayed
    std::vector<XmlConversion> failures;
    bool cancelled = false;
    // The box round every tile converted or kept; empty without one.
    std::optional<GeoBox> extent;
};

// Converts every XML input below `paths` into the database folder; 1 when at
// least one file was converted (written or kept).
int ImportXmlFolder(const std::vector<std::string>& paths, XmlFolderJob& job, XmlFolderSummary& summary);

inline constexpr std::string_view kNoXmlFilesMessage = "標高データXMLファイルは見つかりませんでした。";

} // namespace qb
