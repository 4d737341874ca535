#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qb::bench {

// The elevation XML inputs of the import and conversion benchmarks, each made
// on first use inside the fixture folder:
// - the 67 real 5 m tiles of data/sample/FG-GML-6443-20-DEM5A.zip, held in
//   memory, and unpacked into the subfolder "dem5a";
// - "dem10m.xml", a generated full 10 m tile of 1125 x 750 points (about
//   17 MB, CR LF line ends, heights with two decimals, runs without data
//   along a wavy coast), the same bytes on every run.
class CXmlFixtures {
public:
    struct Member {
        std::string name;
        std::string bytes;
    };

    explicit CXmlFixtures(std::string folder) : m_folder(std::move(folder)) {}

    static std::string ArchivePath();
    const std::vector<Member>& Members();
    std::int64_t MemberBytes();
    // The folder of the unpacked members, and their paths in archive order.
    std::string UnpackedFolder();
    const std::vector<std::string>& UnpackedFiles();

    const std::string& Tile10mText();
    // The path of the 10 m tile, written on the first call.
    const std::string& Tile10mFile();

    // Everything above, written now.
    void WriteAll();

private:
    std::string m_folder;
    std::vector<Member> m_members;
    std::vector<std::string> m_unpacked;
    std::string m_tile10mText;
    std::string m_tile10mFile;
};

// The text of the generated 10 m tile.
std::string Tile10mXml();

} // namespace qb::bench
