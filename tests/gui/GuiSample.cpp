#include "tests/gui/GuiSample.h"

#include "places/InputName.h"
#include "places/NameText.h"
#include "places/PlaceFileFormat.h"
#include "places/PlacePaths.h"
#include "tests/support/TempDir.h"

#include <QProcess>

#include <filesystem>
#include <vector>

namespace qb::test {
namespace {

constexpr int kCliPatienceMs = 60000;

// Names on the sample area (42.83 .. 42.92 N, 143.00 .. 143.13 E) of
// several kinds and levels, for the views to place labels.
struct SampleName {
    const char* name;
    double lat;
    double lon;
    float height;
    int level;
    int kind;
};
constexpr SampleName kSampleNames[] = {
    {"十勝見岳", 42.905, 143.030, 120.0f, 0, 0},
    {"沢の岳", 42.890, 143.050, 90.0f, 1, 0},
    {"北の沢", 42.870, 143.015, 40.0f, 0, 1},
    {"小さな滝", 42.850, 143.100, 30.0f, 0, 3},
    {"見晴峠", 42.875, 143.110, 60.0f, 0, 6},
    {"牧場", 42.842, 143.060, 20.0f, 0, 7},
};

// The user's name file of the database: what the user entered earlier.
void WriteSampleNames(const std::string& database)
{
    std::vector<PlaceRecord> records;
    for (const SampleName& n : kSampleNames) {
        PlaceRecord r;
        r.kind = CInputName::KindFromChoice(n.level, n.kind);
        r.height = n.height;
        r.SetName(PlaceNameFromUtf8(n.name));
        r.newLat = static_cast<float>(n.lat);
        r.newLon = static_cast<float>(n.lon);
        // The Tokyo datum lies about 0.0024 degrees south and 0.0042 east here.
        r.oldLat = static_cast<float>(n.lat - 0.0024);
        r.oldLon = static_cast<float>(n.lon + 0.0042);
        r.coordsFromFile = 1;
        r.origin = 1;
        records.push_back(r);
    }
    WriteFileBytes(UserPlaceFile(database), UserPlaceFileText(records));
}

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

bool RunCli(const QStringList& arguments, QString& failure)
{
    QProcess cli;
    cli.setProcessChannelMode(QProcess::MergedChannels);
    cli.start(QStringLiteral(QB_CLI_PATH), arguments);
    const bool finished = cli.waitForFinished(kCliPatienceMs);
    if (finished && cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0)
        return true;
    failure = QStringLiteral("quarrenby-cli %1 (exit %2): %3")
                  .arg(arguments.join(QLatin1Char(' ')))
                  .arg(cli.exitCode())
                  .arg(QString::fromUtf8(cli.readAll()));
    return false;
}

bool PrepareGuiSample(const std::string& folder, GuiSample& sample, QString& failure)
{
    sample.database = folder + "/database";
    sample.areaFile = sample.database + "/十勝平野.ARE";
    sample.referencePicture = folder + "/reference.png";
    sample.memFile = SourcePath("data/sample/tokachi-644320.mem");
    sample.placeFolder = SourcePath("data/place");
    std::filesystem::create_directories(sample.database);
    WriteSampleNames(sample.database);
    const QString database = Q(sample.database);
    const QString size = QStringLiteral("%1x%2").arg(kPictureWidth).arg(kPictureHeight);
    return RunCli({"convert", Q(SourcePath("data/sample/FG-GML-6443-20-DEM5A.zip")), "--database", database},
                  failure) &&
           RunCli({"area", "write", database, QStringLiteral("十勝平野"), database + "/5m/6443-20-00.3dm", "10",
                   "10", "0", "9"},
                  failure) &&
           RunCli({"render", Q(sample.areaFile), Q(sample.referencePicture), "--size", size, "--names",
                   "--mesh-setting", "2", "--database", database},
                  failure);
}

} // namespace qb::test
