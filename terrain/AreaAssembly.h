#pragma once
#include "platform/MessageSink.h"
#include "platform/Progress.h"
#include "terrain/AreaRecord.h"

#include <string>
#include <string_view>

namespace qb {

// The mesh settings: which data an area is opened from.
enum MeshSetting {
    kMeshDisc = 0,
    kMesh10m = 1,
    kMesh5m = 2,
    kMeshHybrid5m10m = 3,
    kMesh1m = 4,
    kMeshHybrid1m5m10m = 5,
};
inline constexpr int kMeshSettingCount = 6;
// The data source kind an area of a mesh setting is assembled from first:
// 5 (10 m), 6 (5 m), 7 (the 10 m base of both hybrids), 9 (1 m); for the
// disc setting the kind of the disc found (1 ... 4), 0 when none is known.
int SourceKindOfMeshSetting(int meshSetting, int discKind = 0);

// No area may hold more files than this, counted as candidate cells before
// any file is looked at and again as the tiles of the assembled area.
inline constexpr int kMaxAreaFiles = 65536;
// "オープンできるファイルの数は 65536 個までです。"
std::string TooManyFilesMessage();
inline constexpr std::string_view kNoFilesInRangeMessage =
    "選択した範囲にファイルは見つかりませんでした。";

// Where the files of the data sources live, and where messages go (none when null).
struct CAssemblyContext {
    std::string databaseFolder;
    std::string discRoot;   // mount root of the data disc
    IMessageSink* messages = nullptr;
};

// True when path names an existing regular file.
bool DataFileExists(const std::string& path);

// Looks for the existing files of data source `kind` in the rectangle and
// fills the kind's area record with the smallest block of tiles holding them
// all. Longitudes arrive negated, as the web map keeps them; the rectangle's
// edges are expected on the cell lines of the kind. False, with the record
// untouched, when nothing exists, the area is too large, the coordinates are
// unusable or the user cancels.
bool AssembleArea(CAreaRecords& records, int kind, double west, double east, double south,
                  double north, const CAssemblyContext& context, IProgress* progress);

struct CHybridResult {
    bool assembled = false;   // the 10 m base was found and nothing was cancelled
    bool found5m = false;
    bool found1m = false;
};

// The assembly of a hybrid setting: the 10 m base (kind 7), the 5 m overlay
// (kind 8) and, for setting 5, the 1 m overlay (kind 10).
CHybridResult AssembleHybrid(CAreaRecords& records, int meshSetting, double west, double east,
                             double south, double north, const CAssemblyContext& context,
                             IProgress* progress);

} // namespace qb
