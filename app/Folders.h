#pragma once
#include "platform/MessageSink.h"
#include "platform/SystemServices.h"

#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kFolderNotFoundMessage =
    "指定されたディレクトリは見つかりません";

// Removes one trailing separator ("/" or "\") from the path, except from a
// path that is nothing but that separator (the root folder).
void RemoveTrailingSeparator(std::string& path);

// Tests a folder chosen by the user. The path loses one trailing separator;
// a missing folder is reported to the user and gives false.
bool CheckFolder(ISystemServices& system, IMessageSink& messages, std::string& path);

// Creates the folder when it does not exist; true when it exists afterwards.
// An empty path names no folder and gives false.
bool EnsureFolder(ISystemServices& system, const std::string& path);

} // namespace qb
