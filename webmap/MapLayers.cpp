#include "webmap/MapLayers.h"

#include <algorithm>

namespace qb {

bool IsMapLayer(std::string_view name)
{
    return std::find(kMapLayers.begin(), kMapLayers.end(), name) != kMapLayers.end();
}

} // namespace qb
