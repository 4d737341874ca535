#pragma once
#include "colour/ColourStore.h"

#include <initializer_list>
#include <string_view>

namespace qb::test {

// Stores scheme texts under "Color000", "Color001", ..., counts them and
// selects one, as the dialogs leave the store.
inline void StoreSchemes(ISettingsStore& store, std::initializer_list<std::string_view> texts, int selected)
{
    int i = 0;
    for (std::string_view text : texts)
        WriteSchemeText(store, i++, text);
    WriteSchemeCount(store, i);
    WriteSelectedScheme(store, selected);
}

} // namespace qb::test
