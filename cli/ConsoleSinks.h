#pragma once
#include "platform/MessageSink.h"
#include "platform/Progress.h"

namespace qb {

// Messages of the command-line tool go to stderr; questions take their
// first answer (OK or Yes), as nobody is there to ask.
class CConsoleMessageSink final : public IMessageSink {
public:
    MessageResult ShowMessage(std::string_view text, MessageIcon icon, MessageButtons buttons,
                              std::string_view caption) override;
    int Count() const { return m_nCount; }

private:
    int m_nCount = 0;
};

// A progress bar on stderr, drawn only when stderr is a terminal.
class CConsoleProgress final : public IProgress {
public:
    explicit CConsoleProgress(const char* label);
    ~CConsoleProgress() override;
    void Report(std::int64_t done, std::int64_t total) override;
    bool IsCancelled() override { return false; }

private:
    const char* m_label;
    bool m_bTerminal;
    int m_nLastPercent = -1;
};

} // namespace qb
