#include "app/HelpTopics.h"

#include "app/CommandIds.h"

#include <algorithm>
#include <array>
#include <utility>

namespace qb {
namespace {

using namespace cmd;

constexpr int kCommandContextBase = 0x10000;
constexpr int kFrameContextBase = 0x20000;
constexpr int kContentsTopic = 4;

constexpr int Command(int id) { return kCommandContextBase + id; }
constexpr int Frame(int id) { return kFrameContextBase + id; }

// Context to topic. The help file also documents three ids that no menu
// offers (32790, 57603, 32781); they keep their topics.
constexpr std::array<std::pair<int, int>, 44> kTopics = {{
    {Command(kOpenFromMap), 16},    {Command(kFileOpen), 18},
    {Command(kSearchFolder), 20},   {Command(32790), 20},
    {Command(kDataDrive), 22},      {Command(kSavePlaces), 24},
    {Command(57603), 24},           {Command(kFilePrint), 26},
    {Command(kPrintPreview), 28},   {Command(kPrintSetup), 30},
    {Command(kMargins), 32},        {Command(kCopyBitmap), 36},
    {Command(kCopyPicture), 38},    {Command(kShow2D), 42},
    {Frame(kMenu2D), 42},           {Command(kShowMap), 44},
    {Frame(kMenuMap), 44},          {Command(kShowRender), 46},
    {Frame(kMenuRender), 46},       {Command(kMoveEast), 48},
    {Command(kMoveWest), 50},       {Command(kMoveNorth), 52},
    {Command(kMoveSouth), 54},      {Command(kRotateRight), 56},
    {Command(kRotateLeft), 58},     {Command(kZoomIn), 60},
    {Command(kZoomOut), 62},        {Command(kMapInfo), 64},
    {Command(kShowNames), 64},      {Command(kFonts), 70},
    {Command(kPlaceDisplay), 72},   {Command(32781), 74},
    {Command(kFolderSettings), 74}, {Command(kLightPosition), 78},
    {Command(kZoomDialog), 80},     {Command(kResolution), 82},
    {Command(kColours), 84},        {Command(kHeightScale), 86},
    {Command(kCascade), 88},        {Command(kTile), 90},
    {Command(kHelpIndex), 94},      {Command(kAbout), 98},
    {Command(kContextHelp), 108},    {Command(kMemoryFont), 44},
}};

} // namespace

int HelpContextOfCommand(int id)
{
    return Command(id);
}

int HelpContextOfFrame(int resourceId)
{
    return Frame(resourceId);
}

int HelpTopicOf(int context)
{
    const auto* found = std::find_if(kTopics.begin(), kTopics.end(),
                                     [context](const auto& entry) { return entry.first == context; });
    return found == kTopics.end() ? kContentsTopic : found->second;
}

} // namespace qb
