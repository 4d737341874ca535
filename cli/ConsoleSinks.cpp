#include "cli/ConsoleSinks.h"

#include <cstdio>
#include <unistd.h>

namespace qb {

MessageResult CConsoleMessageSink::ShowMessage(std::string_view text, MessageIcon, MessageButtons buttons,
                                               std::string_view)
{
    ++m_nCount;
    std::fprintf(stderr, "quarrenby-cli: %.*s\n", static_cast<int>(text.size()), text.data());
    switch (buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
        return MessageResult::Yes;
    default:
        return MessageResult::Ok;
    }
}

CConsoleProgress::CConsoleProgress(const char* label)
    : m_label(label), m_bTerminal(::isatty(STDERR_FILENO) == 1)
{
}

CConsoleProgress::~CConsoleProgress()
{
    if (m_bTerminal && m_nLastPercent >= 0)
        std::fputs("\n", stderr);
}

void CConsoleProgress::Report(std::int64_t done, std::int64_t total)
{
    if (!m_bTerminal)
        return;
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 50;
    if (percent == m_nLastPercent)
        return;
    m_nLastPercent = percent;
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r%s [%-*.*s] %3d%%", m_label, kWidth, filled,
                 "########################################", percent);
    std::fflush(stderr);
}

} // namespace qb
