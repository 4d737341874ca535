#pragma once
#include "app/TessimApp.h"
#include "platform/FolderChooser.h"

#include <string>
#include <string_view>
#include <utility>

namespace qb {

// Identifiers and texts of the folder settings dialog.
inline constexpr int kDirSetDialogId = 147;
inline constexpr std::string_view kDirSetTitle = "フォルダの設定";
inline constexpr std::string_view kDirSetLabel = "データベースフォルダ";
inline constexpr std::string_view kDirSetHint =
    "データファイルを保存するフォルダを指定してください。\n大きな容量のあるドライブを指定してください。";
inline constexpr std::string_view kDirSetCancelText = "ｷｬﾝｾﾙ";
inline constexpr std::string_view kDirSetDefaultText = "ﾃﾞﾌｫﾙﾄに戻す(&D)";
inline constexpr std::string_view kDirSetBrowseText = "参照";
inline constexpr int kDirSetEditMaxChars = 256;
inline constexpr std::string_view kDefaultDatabaseSubfolder = "Quarrenby";

// The folder settings dialog without its window: the edit's text and what
// the two buttons beside it do. OK hands Text() to ApplyFolderSettings;
// Cancel drops the object.
class CDirSetLogic {
public:
    CDirSetLogic(CTessimApp& app, IFolderChooser& chooser);

    const std::string& Text() const { return m_strFolder; }
    void SetText(std::string text) { m_strFolder = std::move(text); }

    // "参照": the chooser opens at the edit's text; a chosen folder replaces it.
    void Browse();
    // "ﾃﾞﾌｫﾙﾄに戻す": the documents folder's "Quarrenby", created when missing,
    // replaces the text. False, with the text kept, when the documents
    // folder is unknown: the default would be a folder at the file-system root.
    bool RestoreDefault();

private:
    CTessimApp& m_app;
    IFolderChooser& m_chooser;
    std::string m_strFolder;
};

// The folder settings command after the dialog's OK: an existing folder
// (one trailing separator removed) becomes the database folder and is
// written at once with its flag; a missing one is reported and nothing
// changes.
bool ApplyFolderSettings(CTessimApp& app, std::string folder);

} // namespace qb
