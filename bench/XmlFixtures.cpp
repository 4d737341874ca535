#include "bench/XmlFixtures.h"

#include "bench/BenchFixtures.h"
#include "terrain/ZipArchive.h"
#include "tests/support/DemXml.h"
#include "tests/support/MemFile.h"
#include "tests/support/TempDir.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace qb::bench {
namespace {

constexpr std::uint32_t kXml10mSeed = 11250750;

// The first column of the sea in `row`: the south-east of the tile is sea
// behind a wavy coast, as where a tile reaches the shore.
int CoastColumn(int row)
{
    if (row < kTileRows * 2 / 5)
        return kTileCols;
    return static_cast<int>(kTileCols * 0.8 + 70.0 * std::sin(row / 37.0) + 25.0 * std::sin(row / 9.0));
}

} // namespace

std::string Tile10mXml()
{
    const std::vector<float> heights = test::CSyntheticTerrain(kXml10mSeed).Grid(kTileCols, kTileRows);
    test::DemXml xml;
    xml.type = "10mメッシュ（標高）";
    xml.lowerCorner = "35.333333333 139.5";
    xml.upperCorner = "35.416666667 139.625";
    xml.high = std::to_string(kTileCols - 1) + " " + std::to_string(kTileRows - 1);
    xml.tuples.reserve(heights.size());
    for (int row = 0; row < kTileRows; ++row) {
        const int coast = CoastColumn(row);
        for (int col = 0; col < kTileCols; ++col) {
            if (col >= coast) {
                xml.tuples.emplace_back("データなし,-9999.");
                continue;
            }
            char text[64];
            std::snprintf(text, sizeof text, "地表面,%.2f", heights[std::size_t(row) * kTileCols + col]);
            xml.tuples.emplace_back(text);
        }
    }
    return xml.Text();
}

std::string CXmlFixtures::ArchivePath()
{
    return test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip");
}

const std::vector<CXmlFixtures::Member>& CXmlFixtures::Members()
{
    if (!m_members.empty())
        return m_members;
    CZipArchive archive;
    if (!archive.Open(ArchivePath()))
        throw std::runtime_error("cannot open " + ArchivePath() + ": " + archive.Error());
    for (const auto& member : archive.XmlMembers()) {
        Member read{member.name, {}};
        std::string error;
        if (!archive.Read(member, read.bytes, error))
            throw std::runtime_error("cannot read " + member.name + ": " + error);
        m_members.push_back(std::move(read));
    }
    if (m_members.empty())
        throw std::runtime_error("no XML in " + ArchivePath());
    return m_members;
}

std::int64_t CXmlFixtures::MemberBytes()
{
    std::int64_t total = 0;
    for (const auto& member : Members())
        total += static_cast<std::int64_t>(member.bytes.size());
    return total;
}

std::string CXmlFixtures::UnpackedFolder()
{
    UnpackedFiles();
    return m_folder + "/dem5a";
}

const std::vector<std::string>& CXmlFixtures::UnpackedFiles()
{
    if (!m_unpacked.empty())
        return m_unpacked;
    const std::filesystem::path folder = m_folder + "/dem5a";
    std::filesystem::create_directories(folder);
    for (const auto& member : Members()) {
        const std::string path = (folder / std::filesystem::path(member.name).filename()).string();
        test::WriteFileBytes(path, member.bytes);
        m_unpacked.push_back(path);
    }
    return m_unpacked;
}

const std::string& CXmlFixtures::Tile10mText()
{
    if (m_tile10mText.empty())
        m_tile10mText = Tile10mXml();
    return m_tile10mText;
}

const std::string& CXmlFixtures::Tile10mFile()
{
    if (m_tile10mFile.empty()) {
        const std::string path = m_folder + "/dem10m.xml";
        test::WriteFileBytes(path, Tile10mText());
        m_tile10mFile = path;
    }
    return m_tile10mFile;
}

void CXmlFixtures::WriteAll()
{
    UnpackedFiles();
    Tile10mFile();
}

} // namespace qb::bench
