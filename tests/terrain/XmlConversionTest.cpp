#include "terrain/XmlConversion.h"

#include "terrain/ByteSource.h"

#include "tests/support/DemXml.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/ScriptedProgress.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qb {
namespace {

namespace fs = std::filesystem;
using test::CTempDir;
using test::DemXml;

std::string TileXml(const std::string& lower, const std::string& upper, int validTuples, const std::string& date,
                    const std::string& type = "5mメッシュ（標高）")
{
    DemXml xml;
    xml.lowerCorner = lower;
    xml.upperCorner = upper;
    xml.date = date;
    xml.type = type;
    xml.tuples = test::Tuples(validTuples, 10.0, 0.5);
    return xml.Text();
}

TEST(XmlConversion, TilesLandInTheirSubfolderUnderTheirName)
{
    CTempDir dir;
    test::WriteFileBytes(dir.File("a.xml"), TileXml("35.333333333 139.75", "35.341666667 139.7625", 25, "2016-10-01"));
    test::WriteFileBytes(dir.File("b.xml"),
                         TileXml("35.333333333 139.75", "35.416666667 139.875", 25, "2016-10-01", "10mメッシュ（標高）"));
    CHeightGrid grid;
    EXPECT_EQ(ConvertXmlFile(grid, dir.File("a.xml"), dir.File("db")), 1);
    EXPECT_EQ(ConvertXmlFile(grid, dir.File("b.xml"), dir.File("db")), 1);
    EXPECT_TRUE(fs::exists(dir.File("db/5m/5339-06-00.3dm")));
    EXPECT_TRUE(fs::exists(dir.File("db/10m/5339-06.3dm")));
    EXPECT_TRUE(fs::is_directory(dir.File("db/1m")));
    EXPECT_EQ(ConvertXmlFile(grid, dir.File("missing.xml"), dir.File("db")), 0);
}

TEST(XmlConversion, TheBetterVersionOfATileStays)
{
    CTempDir dir;
    const std::string lower = "35.333333333 139.75", upper = "35.341666667 139.7625";
    const auto Convert = [&](int valid, const std::string& date) {
        test::WriteFileBytes(dir.File("t.xml"), TileXml(lower, upper, valid, date));
        CHeightGrid grid;
        CFileByteSource file;
        EXPECT_TRUE(file.Open(dir.File("t.xml")));
        return ConvertXmlSource(grid, file, "t.xml", dir.Path()).outcome;
    };
    EXPECT_EQ(Convert(20, "2016-10-01"), TileWriteOutcome::Written);
    EXPECT_EQ(Convert(20, "2016-10-01"), TileWriteOutcome::KeptExisting) << "the same data twice";
    EXPECT_EQ(Convert(19, "2019-01-30"), TileWriteOutcome::KeptExisting) << "fewer points";
    EXPECT_EQ(Convert(20, "2019-01-30"), TileWriteOutcome::Written) << "a later survey";
    EXPECT_EQ(Convert(25, "2010-01-01"), TileWriteOutcome::Written) << "more points";
    CHeightGrid stored;
    ASSERT_EQ(stored.ReadTile(dir.File("5m/5339-06-00.3dm")), 1);
    EXPECT_EQ(stored.m_nValidPoints, 25);
    EXPECT_EQ(stored.m_nDataDate, 20100101);
}

TEST(XmlConversion, FolderJobReadsFoldersArchivesAndLooseFiles)
{
    CTempDir dir;
    fs::create_directories(dir.File("in/nested"));
    fs::copy_file(test::SourcePath("tests/data/dem/FG-GML-3624-30-DEM5B.zip"), dir.File("in/nested/okinawa.zip"));
    test::WriteFileBytes(dir.File("in/A.XML"),
                         TileXml("35.333333333 139.75", "35.416666667 139.875", 25, "2016-10-01", "10mメッシュ"));
    test::WriteFileBytes(dir.File("in/broken.xml"), "<Dataset/>");
    test::WriteFileBytes(dir.File("in/notes.txt"), "not elevation data");

    int openMode = 1, mapKind = 0;
    test::CRecordingMessageSink messages;
    test::CScriptedProgress progress;
    XmlFolderJob job{dir.File("db"), &openMode, &mapKind, &messages, &progress};
    XmlFolderSummary summary;
    EXPECT_EQ(ImportXmlFolder({dir.File("in")}, job, summary), 1);
    EXPECT_EQ(summary.found, 10);
    EXPECT_EQ(summary.converted, 9);
    EXPECT_EQ(summary.kept, 0);
    ASSERT_EQ(summary.failures.size(), 1u);
    EXPECT_EQ(summary.failures[0].source, dir.File("in/broken.xml"));
    EXPECT_EQ(summary.failures[0].reason, "このデータは<gml:lowerCorner>情報がないので処理できません。");
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(openMode, 3);
    EXPECT_EQ(mapKind, 2) << "the last tile converted was a 5 m tile";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("db/5m")), {}), 8);
    EXPECT_EQ(progress.Reports().size(), 11u);

    XmlFolderSummary again;
    EXPECT_EQ(ImportXmlFolder({dir.File("in")}, job, again), 1);
    EXPECT_EQ(again.converted, 0);
    EXPECT_EQ(again.kept, 9);
}

TEST(XmlConversion, ADamagedFileAfterAGoodOneIsCountedAsFailed)
{
    CTempDir dir;
    DemXml good;
    good.tuples = test::Tuples(25, 10.0, 0.5);
    DemXml damaged = good;
    damaged.lowerCorner = "35.258333333 138.5125";
    damaged.upperCorner = "35.266666667 138.525";
    damaged.withHigh = false;
    // Folder order is by name: the good file is read first.
    fs::create_directories(dir.File("in"));
    test::WriteFileBytes(dir.File("in/a.xml"), good.Text());
    test::WriteFileBytes(dir.File("in/b.xml"), damaged.Text());
    int openMode = 1;
    test::CRecordingMessageSink messages;
    XmlFolderJob job{dir.File("db"), &openMode, nullptr, &messages, nullptr};
    XmlFolderSummary summary;
    EXPECT_EQ(ImportXmlFolder({dir.File("in")}, job, summary), 1);
    EXPECT_EQ(summary.converted, 1);
    ASSERT_EQ(summary.failures.size(), 1u);
    EXPECT_EQ(summary.failures[0].source, dir.File("in/b.xml"));
    EXPECT_EQ(summary.failures[0].reason, "このデータは<gml:high>情報がないので処理できません。");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("db/5m")), {}), 1);
}

TEST(XmlConversion, NothingToConvertAndCancel)
{
    CTempDir dir;
    fs::create_directories(dir.File("empty"));
    test::CRecordingMessageSink messages;
    int openMode = 1;
    XmlFolderJob job{dir.File("db"), &openMode, nullptr, &messages, nullptr};
    XmlFolderSummary summary;
    EXPECT_EQ(ImportXmlFolder({dir.File("empty")}, job, summary), 0);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoXmlFilesMessage)});
    EXPECT_EQ(openMode, 1) << "nothing found: the open mode stays";

    test::CScriptedProgress cancelling(3);
    job.progress = &cancelling;
    XmlFolderSummary cancelled;
    EXPECT_EQ(ImportXmlFolder({test::SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip")}, job, cancelled), 0);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.converted, 1) << "tiles converted before the cancel stay";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.File("db/5m")), {}), 1);
}

} // namespace
} // namespace qb
