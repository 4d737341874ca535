#include "cli/PictureOptions.h"

#include "terrain/HeightGrid.h"

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

namespace qb::cli {
namespace {

// The largest picture side accepted, so a mistyped size cannot ask for
// gigabytes of image memory.
constexpr int kMaxPictureSide = 16384;

// Integers separated by `separator`, all of the text and nothing else.
std::vector<int> ParseIntegers(std::string_view text, char separator)
{
    std::vector<int> values;
    const char* p = text.data();
    const char* end = p + text.size();
    while (true) {
        int value = 0;
        const auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc())
            return {};
        values.push_back(value);
        if (next == end)
            return values;
        if (*next != separator)
            return {};
        p = next + 1;
    }
}

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

const char* ParseRangeOption(const Arguments& args, std::optional<GridRange>& range)
{
    const auto text = args.Option("--range");
    if (!text)
        return nullptr;
    const std::vector<int> r = ParseIntegers(*text, ',');
    if (r.size() != 4)
        return "--range takes C0,R0,C1,R1";
    range = GridRange{r[0], r[1], r[2], r[3]};
    return nullptr;
}

bool FitsGrid(const GridRange& r, const CHeightGrid& grid)
{
    return r.colFirst >= 0 && r.rowFirst >= 0 && r.colFirst < r.colLast && r.rowFirst < r.rowLast &&
           r.colLast < grid.m_nCols && r.rowLast < grid.m_nRows;
}

void PrintRangeOutside(const CHeightGrid& grid)
{
    PrintError("--range lies outside the grid of " + std::to_string(grid.m_nCols) + " x " +
               std::to_string(grid.m_nRows) + " points");
}

} // namespace qb::cli
