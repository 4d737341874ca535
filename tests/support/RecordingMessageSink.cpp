#include "tests/support/RecordingMessageSink.h"

namespace qb::test {

MessageResult CRecordingMessageSink::ShowMessage(std::string_view text, MessageIcon icon,
                                                 MessageButtons buttons, std::string_view caption)
{
    m_messages.push_back({std::string(text), icon, buttons, std::string(caption)});
    if (m_answers.empty())
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
                   ? MessageResult::Yes
                   : MessageResult::Ok;
    const MessageResult answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::vector<std::string> CRecordingMessageSink::Texts() const
{
    std::vector<std::string> texts;
    for (const auto& m : m_messages)
        texts.push_back(m.text);
    return texts;
}

} // namespace qb::test
