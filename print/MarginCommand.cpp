#include "print/MarginCommand.h"

#include "print/MarginUnits.h"

namespace qb {

MarginValues DialogValuesFromMargins(const MarginRect& margins)
{
    MarginValues values = ValuesOf(margins);
    for (std::int32_t& value : values)
        value = RoundToTenthMm(MarginToHundredthsMm(value));
    return values;
}

MarginRect MarginsFromDialogValues(const MarginValues& values)
{
    MarginValues margins = values;
    for (std::int32_t& value : margins)
        value = HundredthsMmToMargin(RoundToTenthMm(value));
    return RectOf(margins);
}

bool RunMarginCommand(ISettingsStore& store, IMessageSink& messages, MarginRect& margins, int& units,
                      const std::function<bool(CSetMarginLogic&)>& runDialog)
{
    CSetMarginLogic dialog(messages, DialogValuesFromMargins(margins), units);
    if (!runDialog(dialog))
        return false;
    margins = MarginsFromDialogValues(dialog.Result());
    units = dialog.Units();
    SaveMarginSettings(store, margins, units);
    return true;
}

} // namespace qb
