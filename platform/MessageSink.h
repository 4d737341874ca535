#pragma once
#include <string>
#include <string_view>

namespace qb {

enum class MessageIcon { None, Exclamation, Question, Information, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

inline constexpr std::string_view kMessageCaption = "Quarrenby";

// A modal message to the user: the desktop shows a message box, the
// command-line tool prints to stderr, tests record and answer.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual MessageResult ShowMessage(std::string_view text,
                                      MessageIcon icon = MessageIcon::Exclamation,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      std::string_view caption = kMessageCaption) = 0;
};

// The message every reader shows for a file that is not one of ours.
inline constexpr std::string_view kNotDataFileMessage =
    "このファイルはデータファイルではありません。";

} // namespace qb

namespace qb {
// Shown when a grid is too large for the memory at hand.
inline constexpr std::string_view kOutOfMemoryMessage =
    "メモリが足りないため、データを読み込めません。";
}
