#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace qb {

inline constexpr std::string_view kFolderChooserTitle = "フォルダの指定";

// The platform's folder browser, limited to folders of the file system and
// opened at a given folder: the chosen folder, or none when the user cancels.
class IFolderChooser {
public:
    virtual ~IFolderChooser() = default;
    virtual std::optional<std::string> ChooseFolder(const std::string& startFolder, std::string_view title) = 0;
};

} // namespace qb
