#include "terrain/ZipArchive.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace qb {
namespace {

using test::CTempDir;

std::uint32_t Crc32(const std::string& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A zip of one stored member whose entries declare `declaredSize` bytes.
std::string StoredZip(const std::string& name, const std::string& data, std::uint32_t declaredSize)
{
    const std::uint32_t crc = Crc32(data);
    std::string zip;
    Put(zip, 0x04034b50, 4);
    Put(zip, 20, 2), Put(zip, 0, 2), Put(zip, 0, 2), Put(zip, 0, 2), Put(zip, 0x21, 2);
    Put(zip, crc, 4), Put(zip, declaredSize, 4), Put(zip, declaredSize, 4);
    Put(zip, static_cast<std::uint32_t>(name.size()), 2), Put(zip, 0, 2);
    zip += name + data;
    const auto directory = static_cast<std::uint32_t>(zip.size());
    Put(zip, 0x02014b50, 4);
    Put(zip, 20, 2), Put(zip, 20, 2), Put(zip, 0, 2), Put(zip, 0, 2), Put(zip, 0, 2), Put(zip, 0x21, 2);
    Put(zip, crc, 4), Put(zip, declaredSize, 4), Put(zip, declaredSize, 4);
    Put(zip, static_cast<std::uint32_t>(name.size()), 2), Put(zip, 0, 2), Put(zip, 0, 2);
    Put(zip, 0, 2), Put(zip, 0, 2), Put(zip, 0, 4), Put(zip, 0, 4);
    zip += name;
    const auto directoryBytes = static_cast<std::uint32_t>(zip.size()) - directory;
    Put(zip, 0x06054b50, 4);
    Put(zip, 0, 2), Put(zip, 0, 2), Put(zip, 1, 2), Put(zip, 1, 2);
    Put(zip, directoryBytes, 4), Put(zip, directory, 4), Put(zip, 0, 2);
    return zip;
}

struct ReadOutcome {
    bool ok = false;
    std::string bytes, error;
};

ReadOutcome ReadOnlyMember(const std::string& zipBytes)
{
    CTempDir dir;
    const std::string path = dir.File("a.zip");
    test::WriteFileBytes(path, zipBytes);
    CZipArchive archive;
    EXPECT_TRUE(archive.Open(path)) << archive.Error();
    const auto members = archive.XmlMembers();
    EXPECT_EQ(members.size(), 1u);
    ReadOutcome outcome;
    if (!members.empty())
        outcome.ok = archive.Read(members[0], outcome.bytes, outcome.error);
    return outcome;
}

TEST(ZipArchive, AMemberIsReadWhole)
{
    const std::string data = "<Dataset>elevation</Dataset>";
    const ReadOutcome read = ReadOnlyMember(StoredZip("tile.xml", data, std::uint32_t(data.size())));
    EXPECT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.bytes, data);
}

TEST(ZipArchive, DeclaredSizesBeyondTheDataOrTheCapAreRefused)
{
    const std::string data = "<Dataset>elevation</Dataset>";
    // Under the cap but far beyond the bytes there: refused when the data ends.
    const ReadOutcome shortMember = ReadOnlyMember(StoredZip("tile.xml", data, 300u << 20));
    EXPECT_FALSE(shortMember.ok);
    EXPECT_FALSE(shortMember.error.empty());
    EXPECT_TRUE(shortMember.bytes.empty());
    // Beyond what any elevation file can be: refused before reading.
    const ReadOutcome huge = ReadOnlyMember(StoredZip("tile.xml", data, 0xFFFFFFF0u));
    EXPECT_FALSE(huge.ok);
    EXPECT_EQ(huge.error, "member too large (4294967280 bytes)");
    EXPECT_TRUE(huge.bytes.empty());
}

} // namespace
} // namespace qb
