#pragma once
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace qb::test {

// The texts of the two menus a released left button offers in the 2-D view.
inline const QString kZoomText = QStringLiteral("選択範囲を拡大");
inline const QString kStepBackText = QStringLiteral("一つ前の範囲に戻す");
inline const QString kCancelText = QStringLiteral("キャンセル");
inline const QString kRotationCentreText = QStringLiteral("回転の中心にする");

// Presses the left button at `from`, moves to `to` and lets go there, then
// picks `choice` from the context menu that follows; returns the items the
// menu offered (none when no menu came).
QStringList DragAndChoose(QWidget& view, QPoint from, QPoint to, const QString& choice);

} // namespace qb::test
