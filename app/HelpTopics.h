#pragma once
#include <string_view>

namespace qb {

// The help file, opened on a topic number.
inline constexpr std::string_view kHelpFileName = "QuarrenbyVer5_0.chm";

// Help contexts: commands and frames share one number space, told apart by
// their offsets. Context 0 asks for the contents.
int HelpContextOfCommand(int id);
int HelpContextOfFrame(int resourceId);

// The topic of a help context; the contents topic for 0 and for every
// context without a topic of its own.
int HelpTopicOf(int context);

} // namespace qb
