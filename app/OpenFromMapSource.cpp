#include "app/OpenFromMapSource.h"

namespace qb {

std::optional<int> OpenFromMapSourceKind(int mapKind, int discCode, IMessageSink& messages)
{
    switch (mapKind) {
    case 0:
        if (discCode == -1) {
            messages.ShowMessage(kNoDiscDriveMessage, MessageIcon::Exclamation);
            return std::nullopt;
        }
        if (discCode < 1) {
            messages.ShowMessage(kInsertDiscMessage, MessageIcon::Exclamation);
            return std::nullopt;
        }
        return discCode;
    case 1:
    case 3: return 5;
    case 2: return 6;
    case 4:
    case 5: return 0;
    default: return std::nullopt;
    }
}

} // namespace qb
