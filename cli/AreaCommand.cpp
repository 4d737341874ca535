#include "app/AreaFiles.h"
#include "cli/CliSupport.h"
#include "cli/JsonWriter.h"
#include "platform/Cp932.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace qb::cli {
namespace {

constexpr const char* kAreaUsage =
    "area takes 'show FILE.ARE [--json]' or 'write DIR NAME BASEFILE ACROSS DOWN BASEX BASEY'";

std::optional<std::int32_t> ParseInt(std::string_view text, std::int32_t least)
{
    const auto value = ParseNumber(text);
    if (!value || *value < least || *value > std::numeric_limits<std::int32_t>::max() ||
        *value != std::trunc(*value))
        return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

int ShowArea(const Arguments& args)
{
    if (args.words.size() != 2)
        return UsageError(kAreaUsage);
    CAreaRecord record;
    if (!ReadAreaFile(args.words[1], record)) {
        PrintError("山域ファイルが読めません: " + args.words[1]);
        return kExitFailure;
    }
    const char* layout = record.LayoutMark() == kAreaLayoutMark ? "current" : "older";
    if (args.Has("--json")) {
        CJsonObject json;
        json.Add("name", record.AreaNameUtf8())
            .Add("baseFile", record.BaseFile())
            .Add("across", record.OldAcross())
            .Add("down", record.OldDown())
            .Add("baseX", record.BaseColumn())
            .Add("baseY", record.BaseRow())
            .Add("listFlag", record.ListFlag())
            .Add("layout", layout);
        std::puts(json.Text().c_str());
        return kExitOk;
    }
    std::printf("Area:       %s\n", record.AreaNameUtf8().c_str());
    std::printf("Base file:  %s\n", record.BaseFile().c_str());
    std::printf("Tiles:      %d across, %d down\n", record.OldAcross(), record.OldDown());
    std::printf("Base tile:  column %d, row %d\n", record.BaseColumn(), record.BaseRow());
    std::printf("Layout:     %s\n", layout);
    return kExitOk;
}

// The area record the arguments describe; the error text when they describe none.
std::optional<CAreaRecord> AreaFromWords(const std::vector<std::string>& w, std::string& error)
{
    const auto across = ParseInt(w[4], 1), down = ParseInt(w[5], 1);
    const auto baseX = ParseInt(w[6], 0), baseY = ParseInt(w[7], 0);
    if (!across || !down || !baseX || !baseY || *baseX >= *across || *baseY >= *down) {
        error = "ACROSS and DOWN must be at least 1, BASEX and BASEY inside them";
        return std::nullopt;
    }
    const auto name = Cp932FromUtf8(w[2]);
    CAreaRecord area;
    if (!name || name->size() >= area_offset::kAreaNameSize || !area.SetBaseFile(w[3])) {
        error = "NAME must fit 63 bytes of code page 932 and BASEFILE 255 bytes";
        return std::nullopt;
    }
    area.SetAreaName(*name);
    area.SetCounts(*across, *down);
    area.SetBaseColumn(*baseX);
    area.SetBaseRow(*baseY);
    area.SetListFlag(1);
    return area;
}

int WriteArea(const Arguments& args)
{
    if (args.words.size() != 8)
        return UsageError(kAreaUsage);
    std::string error;
    const auto area = AreaFromWords(args.words, error);
    if (!area)
        return UsageError(error.c_str());
    Session session;
    if (!WriteAreaFile(args.words[1], *area, session.messages)) {
        if (session.messages.Count() == 0)
            PrintError("山域ファイルが書けません: " + args.words[1]);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int RunArea(const Arguments& args)
{
    if (!args.error.empty())
        return UsageError(args.error.c_str());
    if (!args.words.empty() && args.words[0] == "show")
        return ShowArea(args);
    if (!args.words.empty() && args.words[0] == "write")
        return WriteArea(args);
    return UsageError(kAreaUsage);
}

} // namespace qb::cli
