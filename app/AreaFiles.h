#pragma once
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "terrain/AreaRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace qb {

// Shown when an area name cannot be the name of a file in the area folder.
inline constexpr std::string_view kBadAreaNameMessage =
    "山域名にファイル名として使えない文字が含まれています。";
inline constexpr std::string_view kAreaFileExtension = ".ARE";

// The area folder: "FileInit" "AreDir", empty when not set.
std::string AreaFolder(ISettingsStore& settings);

// Reads one area file into the record: its 412 bytes, the list flag set to
// 1, and in the current layout the counts at 356 and 360 copied over the
// older ones. The name fields end inside their fields, the area name after
// a whole character. False, with the record untouched, when the file cannot
// be opened or is too short.
bool ReadAreaFile(const std::string& path, CAreaRecord& record);

// The paths of the area files of a folder (every regular file whose name
// ends in ".ARE" in any case), sorted by name.
std::vector<std::string> ListAreaFiles(const std::string& folder);
int CountAreaFiles(const std::string& folder);
// The records of the area files that could be read, in listing order.
std::vector<CAreaRecord> ReadAreaFiles(const std::string& folder);

// The bytes an area file holds for an area record: both count pairs from
// the record's counts at 328 and 332, the current layout mark and zeros
// wherever the layout has no field.
CAreaRecord AreaFileRecord(const CAreaRecord& area);

// The file name of an area name (code page 932 bytes): its UTF-8 form and
// ".ARE"; empty when the name cannot name a file inside a folder.
std::string AreaFileName(std::string_view cp932Name);

// Writes folder/NAME.ARE for the area record, replacing an older file.
// A name that is empty, "." or "..", contains a separator or has no UTF-8
// form is refused with a message; false then and when the file cannot be
// written.
bool WriteAreaFile(const std::string& folder, const CAreaRecord& area, IMessageSink& messages);

} // namespace qb
