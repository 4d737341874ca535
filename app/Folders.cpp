#include "app/Folders.h"

namespace qb {

void RemoveTrailingSeparator(std::string& path)
{
    if (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
}

bool CheckFolder(ISystemServices& system, IMessageSink& messages, std::string& path)
{
    RemoveTrailingSeparator(path);
    if (system.FolderExists(path))
        return true;
    messages.ShowMessage(kFolderNotFoundMessage, MessageIcon::Exclamation);
    return false;
}

bool EnsureFolder(ISystemServices& system, const std::string& path)
{
    if (path.empty())
        return false;
    return system.FolderExists(path) || system.CreateFolder(path);
}

} // namespace qb
