#include "cli/SceneOptions.h"


namespace qb::cli {

bool RangeOf(const Arguments& args, std::optional<GridRange>& range)
{
    range.reset();
    const auto text = args.Option("--range");
    if (!text)
        return true;
    const std::vector<int> r = ParseIntegers(*text, ',');
    if (r.size() != 4)
        return false;
    range = GridRange{r[0], r[1], r[2], r[3]};
    return true;
}

bool FitsGrid(const GridRange& r, const CHeightGrid& grid)
{
    return r.colFirst >= 0 && r.rowFirst >= 0 && r.colFirst < r.colLast && r.rowFirst < r.rowLast &&
           r.colLast < grid.m_nCols && r.rowLast < grid.m_nRows;
}

std::string RangeOutsideText(const CHeightGrid& grid)
{
    return "--range lies outside the grid of " + std::to_string(grid.m_nCols) + " x " + std::to_string(grid.m_nRows) +
           " points";
}

GridRange SceneOptions::RangeIn(const CHeightGrid& grid) const
{
    return range.value_or(GridRange{0, 0, grid.m_nCols - 1, grid.m_nRows - 1});
}

namespace {

// An integer option from `low` to `high`: unchanged when not given; false
// when it is not such a number.
template <class T>
bool IntegerOption(const Arguments& args, std::string_view name, T low, T high, T& value)
{
    const auto text = args.Option(name);
    if (!text)
        return true;
    const auto number = ParseInteger(*text, low, high);
    if (number)
        value = static_cast<T>(*number);
    return number.has_value();
}

bool ExaggerationOf(const Arguments& args, double& exaggeration)
{
    const auto text = args.Option("--exaggeration");
    if (!text)
        return true;
    const std::optional<double> factor = ParseNumber(*text);
    if (!factor || !(*factor >= 0.1 && *factor <= 10.0))
        return false;
    exaggeration = *factor;
    return true;
}

} // namespace

const char* ParseSceneOptions(const Arguments& args, SceneOptions& options)
{
    if (!RangeOf(args, options.range))
        return kRangeUsage;
    if (!IntegerOption(args, "--resolution", std::int64_t(1), kMaxResolution, options.resolution))
        return "--resolution takes 1 to 67108864 samples";
    if (!ExaggerationOf(args, options.exaggeration))
        return "--exaggeration takes 0.1 to 10";
    if (!IntegerOption(args, "--colour-scheme", 0, 7, options.colourScheme))
        return "--colour-scheme takes 0 to 7";
    return nullptr;
}

} // namespace qb::cli
