#pragma once
#include "cli/CliSupport.h"

namespace qb::cli {

// --size WxH of the commands that draw a picture, each side 1 to 16384:
// nullptr when the option is absent or good, else the usage message.
const char* ParseSizeOption(const Arguments& args, int& width, int& height);

} // namespace qb::cli
