#pragma once
#include <memory>

class QGuiApplication;

namespace qb::cli {

// Fonts and painting need a GUI application: this one lives as long as the
// object, drawing offscreen when there is no display. Nothing is made when
// an application exists already.
class CGuiApplication {
public:
    CGuiApplication();
    ~CGuiApplication();
    CGuiApplication(const CGuiApplication&) = delete;
    CGuiApplication& operator=(const CGuiApplication&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace qb::cli
