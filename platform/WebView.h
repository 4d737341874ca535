#pragma once
#include <functional>
#include <string>

namespace qb {

// An embedded web page that the program talks to: it runs script texts in the
// page and receives the short text messages the page posts back. Everything
// runs on the window thread.
class IWebView {
public:
    virtual ~IWebView() = default;

    // Runs `script` (UTF-8) in the page. `done`, when given, learns later
    // whether the run succeeded; a view without a page reports failure.
    virtual void RunScript(const std::string& script, std::function<void(bool ok)> done = {}) = 0;
    // The handler of the page's messages (UTF-8 text); replaces an earlier one.
    virtual void SetMessageHandler(std::function<void(const std::string& message)> handler) = 0;
    // Loads the page at `url`.
    virtual void Navigate(const std::string& url) = 0;
    // Sets the page's area to width x height pixels of its host.
    virtual void Resize(int width, int height) = 0;
    // Captures the page as PNG bytes; `done` receives them, empty on failure.
    virtual void CapturePng(std::function<void(const std::string& png)> done) = 0;
    // Prints the page (the page's own print request); false when it cannot.
    virtual bool Print() = 0;
};

} // namespace qb
