#pragma once
#include "platform/MessageSink.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace qb::bench {

// Every message box of a bench run goes to the terminal, named by the bench,
// and is counted: a run that showed one has failed.
class CCountingMessages final : public IMessageSink {
public:
    explicit CCountingMessages(std::string_view bench) : m_bench(bench) {}

    MessageResult ShowMessage(std::string_view text, MessageIcon, MessageButtons, std::string_view) override
    {
        std::fprintf(stderr, "%s: %.*s\n", m_bench.c_str(), static_cast<int>(text.size()), text.data());
        ++m_nShown;
        return MessageResult::Ok;
    }
    int Shown() const { return m_nShown; }
    // Forgets the messages shown so far (the start's own, before the timed work).
    void Forget() { m_nShown = 0; }

private:
    std::string m_bench;
    int m_nShown = 0;
};

} // namespace qb::bench
