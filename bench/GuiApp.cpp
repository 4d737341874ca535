#include "bench/GuiApp.h"

#include "places/LabelSettings.h"
#include "platform/MemorySettingsStore.h"

#include <QGuiApplication>

namespace qb::bench {

void EnsureGui()
{
    static int argc = 1;
    static char name[] = "qb_bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    CMemorySettingsStore defaults;
    LoadLabelSettings(defaults);
}

} // namespace qb::bench
