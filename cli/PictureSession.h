#pragma once
#include "cli/DocumentSession.h"

#include <functional>
#include <optional>
#include <string>

namespace qb::cli {

// What a command that draws a picture of a file does around its drawing: a
// GUI application for the fonts, the label settings, the file opened as
// `open` opens it; then `draw` runs on the session. Returns its result, or
// failure after the message of a file that does not open.
int DrawOpenedFile(const Arguments& args, const std::string& file, std::optional<int> meshSetting,
                   const std::function<int(CDocumentSession&)>& draw);

} // namespace qb::cli
