#pragma once
#include "terrain/GeoBox.h"

#include <QString>
#include <QStringList>

#include <string>

namespace qb::test {

// The data the desktop program opens in these tests, made once per run by
// the command-line tool: the sample archive converted into a database, a
// named area of its 10 x 10 tiles and the tool's drawing of that area.
struct GuiSample {
    std::string database;          // holds 5m/6443-20-*.3dm and the user's names
    std::string areaFile;          // database/十勝平野.ARE
    std::string referencePicture;  // the area drawn 800 x 600 with names
    std::string memFile;           // a 200 x 200 text mesh of the source tree
    std::string placeFolder;       // the delivered place names of the source tree
};

// The sample's secondary cell 6443-20 (east-positive), its 5 m tiles.
inline constexpr GeoBox kSampleCell{42.0 + 10.0 / 12.0, 42.0 + 11.0 / 12.0, 143.0, 143.125};

// The size the reference picture is drawn at.
inline constexpr int kPictureWidth = 800;
inline constexpr int kPictureHeight = 600;

// Runs quarrenby-cli; its output and status when it fails.
bool RunCli(const QStringList& arguments, QString& failure);

// Fills `sample` inside `folder`; false with the reason when the tool failed.
bool PrepareGuiSample(const std::string& folder, GuiSample& sample, QString& failure);

} // namespace qb::test
