#include "colour/ApplyColorScheme.h"

#include "colour/ColourStore.h"
#include "colour/PresetSchemes.h"
#include "colour/UserColorScheme.h"

namespace qb {

void ApplyColorScheme(ISettingsStore& store, ColourBlock& block, int scheme)
{
    if (scheme != kUserScheme) {
        GetPresetScheme(scheme, block);
        return;
    }
    // A selection outside the counted schemes (a damaged store) must not
    // bring back the text of a deleted scheme: it gets the defaults.
    const int index = ReadSelectedScheme(store);
    const bool counted = index >= 0 && index < ReadSchemeCount(store);
    const std::string text = counted ? ReadSchemeText(store, index) : std::string();
    const CUserColorScheme user = ParseColorScheme(text);
    SetColours(block, user.ColorKind, ColoursOfKind(user));
}

} // namespace qb
