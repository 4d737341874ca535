#pragma once
#include "colour/UserColorLogic.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qb {

inline constexpr int kColorSetDialogId = 143;
inline constexpr std::string_view kColorSetTitle = "色の設定";
inline constexpr std::string_view kColorSetMenuText = "色の設定(&C)....";
// The group boxes, each with the scheme buttons it holds.
inline constexpr std::array<std::string_view, 4> kColorSetGroupTitles = {
    "高速に描画する", "標高で色を変える", "傾斜で色を変える", "ユーザ定義"};
inline constexpr std::string_view kNewSchemeButtonText = "新規(&N)...";
inline constexpr std::string_view kEditSchemeButtonText = "編集(&E)...";
inline constexpr std::string_view kDeleteSchemeButtonText = "削除(&D)";
inline constexpr std::string_view kCancelButtonText = "ｷｬﾝｾﾙ";

inline constexpr std::string_view kNoUserSchemeMessage = "ユーザ定義の配色は設定されていません";
// Asked before a scheme is deleted; %s is the scheme's name.
inline constexpr std::string_view kDeleteSchemeQuestion = "%s を削除します、よろしいですか？";

// The controls of the user-scheme group that can be disabled.
enum class ColorSetControl { List, New, Edit, Delete };

// The scheme dialog without its window. The window checks the radio button
// of Scheme(), fills the drop-down list with Names(), selects Selection()
// and enables the controls by IsEnabled() after every call. New and Edit
// return what the editor is opened with; the window runs the editor and
// reports its end to EditorClosed().
class CColorSetLogic {
public:
    // `scheme` is the rendering view's current scheme number.
    CColorSetLogic(ISettingsStore& store, IMessageSink& messages, int scheme);

    int Scheme() const { return m_nScheme; }
    void CheckScheme(int scheme);

    const std::vector<std::string>& Names() const { return m_names; }
    // The selected list entry, -1 when the list is empty.
    int Selection() const { return m_nSelection; }
    void Select(int index);

    bool IsEnabled(ColorSetControl control) const;

    UserColorRequest ClickNew();
    // Stores the selection as the selected scheme and edits it; none when
    // nothing is selected.
    std::optional<UserColorRequest> ClickEdit();
    // The editor closed; after OK the list is read again.
    void EditorClosed(bool ok);
    // Asks, then deletes the selected scheme and reads the list again.
    void ClickDelete();

    // True when the dialog closes with Scheme(); false when it stays open.
    bool Ok();
    // True when the dialog closes without a result.
    bool Cancel();

private:
    void Reload();
    bool RefuseMissingUserScheme();

    ISettingsStore& m_store;
    IMessageSink& m_messages;
    int m_nScheme;
    std::vector<std::string> m_names;
    int m_nSelection = -1;
};

} // namespace qb
