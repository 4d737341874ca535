#include "cli/GuiApplication.h"

#include <QGuiApplication>

namespace qb::cli {

CGuiApplication::CGuiApplication()
{
    static int argc = 1;
    static char name[] = "quarrenby-cli";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    m_app = std::make_unique<QGuiApplication>(argc, argv);
}

CGuiApplication::~CGuiApplication() = default;

} // namespace qb::cli
