#pragma once
#include "platform/MessageSink.h"

#include <deque>
#include <string>
#include <vector>

namespace qb::test {

// Records every message and answers from a script (OK when the script is empty).
class CRecordingMessageSink final : public IMessageSink {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
        std::string caption;
    };

    MessageResult ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons,
                              std::string_view caption) override;

    void QueueAnswer(MessageResult answer) { m_answers.push_back(answer); }
    const std::vector<Message>& Messages() const { return m_messages; }
    std::vector<std::string> Texts() const;
    void Clear() { m_messages.clear(); }

private:
    std::vector<Message> m_messages;
    std::deque<MessageResult> m_answers;
};

} // namespace qb::test
