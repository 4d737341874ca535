#include "cli/CliSupport.h"

#include "app/DocumentHost.h"
#include "cli/GridFiles.h"
#include "platform/FileRead.h"

#include <charconv>
#include <cstdio>

namespace qb::cli {

bool Arguments::Has(std::string_view flag) const
{
    for (const auto& f : flags)
        if (f == flag)
            return true;
    return false;
}

std::optional<std::string> Arguments::Option(std::string_view name) const
{
    for (const auto& [key, value] : options)
        if (key == name)
            return value;
    return std::nullopt;
}

namespace {

constexpr std::string_view kValueOptions[] = {"--database", "--kind", "--west", "--east", "--south", "--north", "--grid",
                                             "--mesh-setting", "--out", "--size", "--method", "--range",
                                             "--resolution", "--azimuth", "--elevation", "--distance",
                                             "--light-azimuth", "--light-elevation", "--exaggeration",
                                             "--colour-scheme", "--angle", "--bent", "--zoom-index", "--data"};

bool TakesValue(std::string_view name)
{
    for (const auto option : kValueOptions)
        if (option == name)
            return true;
    return false;
}

} // namespace

Arguments SplitArguments(int argc, char** argv, int first)
{
    Arguments args;
    for (int i = first; i < argc; ++i) {
        const std::string word = argv[i];
        // A word such as "-33.5" is a number, not a flag.
        if (word.size() < 2 || word[0] != '-' || ParseNumber(word)) {
            args.words.push_back(word);
            continue;
        }
        const auto equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (!TakesValue(name)) {
            args.flags.push_back(word);
        } else if (equals != std::string::npos) {
            args.options.emplace_back(name, word.substr(equals + 1));
        } else if (i + 1 < argc) {
            args.options.emplace_back(name, argv[++i]);
        } else {
            args.error = name + " needs a value";
        }
    }
    return args;
}

std::optional<double> ParseNumber(std::string_view text)
{
    double value = 0.0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseInteger(std::string_view text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || next != end || value < low || value > high)
        return std::nullopt;
    return value;
}

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

void PrintError(std::string_view message)
{
    std::fprintf(stderr, "quarrenby-cli: %.*s\n", static_cast<int>(message.size()), message.data());
}

int UsageError(const char* message)
{
    PrintError(message);
    std::fputs("Try 'quarrenby-cli --help'.\n", stderr);
    return kExitUsage;
}

std::string FileNotFoundText(std::string_view file)
{
    return std::string(kFileNotFoundMessage) + ": " + std::string(file);
}

bool OpenNamingFailures(Session& session, const std::string& path, const std::function<bool()>& open)
{
    if (FileSize(path) < 0) {
        PrintError(FileNotFoundText(path));
        return false;
    }
    const int messagesBefore = session.messages.Count();
    if (open())
        return true;
    if (session.messages.Count() == messagesBefore)
        PrintError("ファイルが読み込めません: " + path);
    return false;
}

bool LoadGrid(Session& session, const std::string& path, CHeightGrid& grid, GridRead read)
{
    grid.SetEnv(session.Env());
    return OpenNamingFailures(session, path, [&] {
        return (read == GridRead::AsOpened ? grid.LoadFile(path) : grid.ReadFile(path)) == 1;
    });
}

int WriteGridOrSay(const CHeightGrid& grid, const std::string& path)
{
    const std::string failed = WriteGridFile(grid, path);
    if (failed.empty())
        return kExitOk;
    PrintError("ファイルが書き込めません: " + failed);
    return kExitFailure;
}

const char* FileTypeName(std::int32_t fileType)
{
    switch (fileType) {
    case kFileMem: return "mem";
    case kFileSem: return "sem";
    case kFile3dm: return "3dm";
    case kFileXml: return "xml";
    default: return "unknown";
    }
}

} // namespace qb::cli
