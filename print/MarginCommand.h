#pragma once
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "print/MarginDialogLogic.h"
#include "print/MarginSettings.h"

#include <functional>

namespace qb {

inline constexpr std::string_view kMarginMenuText = "ﾏｰｼﾞﾝの設定(&G)...";
inline constexpr std::string_view kMarginStatusText = "マージンの設定";
inline constexpr std::string_view kPrinterSetupMenuText = "ﾌﾟﾘﾝﾀの設定(&R)...";
inline constexpr std::string_view kPrinterSetupStatusText = "ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定";
inline constexpr std::string_view kNoPrinterMessage = "プリンターが見つかりませんでした。\n印刷はできません。";

// The dialog's values for stored margins: each converted to 1/100 mm and
// rounded to 0.1 mm.
MarginValues DialogValuesFromMargins(const MarginRect& margins);
// The margins for the dialog's values: each rounded to 0.1 mm and converted
// to 1/1440 inch.
MarginRect MarginsFromDialogValues(const MarginValues& values);

// The margin command. `runDialog` shows the dialog over the logic and
// returns true when it closed with an accepted OK; then the margins and the
// unit take the dialog's values and the "Margin" section is written. On
// Cancel nothing changes. Returns whether the margins were stored.
bool RunMarginCommand(ISettingsStore& store, IMessageSink& messages, MarginRect& margins, int& units,
                      const std::function<bool(CSetMarginLogic&)>& runDialog);

} // namespace qb
