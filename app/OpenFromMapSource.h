#pragma once
#include "platform/MessageSink.h"

#include <optional>
#include <string_view>

namespace qb {

inline constexpr std::string_view kNoDiscDriveMessage = "CD-ROM ドライブが見つかりません";
inline constexpr std::string_view kInsertDiscMessage = "数値地図の CD-ROM をセットしてください";

// The data source kind an area chosen on the map is opened from, by map
// kind: the data disc's own code for the disc (kind 0), 5 for the 10 m and
// the 5 m/10 m hybrid kinds, 6 for 5 m, 0 for the 1 m kinds. Nothing, after
// telling why, when the disc is wanted but there is no drive (code -1) or
// no disc with data in it (code -2), or the map kind is unknown.
std::optional<int> OpenFromMapSourceKind(int mapKind, int discCode, IMessageSink& messages);

} // namespace qb
