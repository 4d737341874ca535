#include "cli/PictureOptions.h"

#include <vector>

namespace qb::cli {
namespace {

// The largest picture side accepted, so a mistyped size cannot ask for
// gigabytes of image memory.
constexpr int kMaxPictureSide = 16384;

} // namespace

const char* ParseSizeOption(const Arguments& args, int& width, int& height)
{
    const auto size = args.Option("--size");
    if (!size)
        return nullptr;
    const std::vector<int> wh = ParseIntegers(*size, 'x');
    if (wh.size() != 2 || wh[0] < 1 || wh[1] < 1 || wh[0] > kMaxPictureSide || wh[1] > kMaxPictureSide)
        return "--size takes WxH, each 1 to 16384";
    width = wh[0];
    height = wh[1];
    return nullptr;
}

} // namespace qb::cli
