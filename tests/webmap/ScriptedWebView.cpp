#include "tests/webmap/ScriptedWebView.h"

#include <algorithm>

namespace qb::test {

void CScriptedWebView::RunScript(const std::string& script, std::function<void(bool ok)> done)
{
    ++runs;
    std::size_t at = 0;
    while (at <= script.size()) {
        const std::size_t end = std::min(script.find('\n', at), script.size());
        scripts.push_back(script.substr(at, end - at));
        at = end + 1;
    }
    if (done)
        done(scriptsSucceed);
}

void CScriptedWebView::SetMessageHandler(std::function<void(const std::string& message)> handler)
{
    m_handler = std::move(handler);
}

bool CScriptedWebView::Post(const std::string& message)
{
    if (!m_handler)
        return false;
    m_handler(message);
    return true;
}

} // namespace qb::test
