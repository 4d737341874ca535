#pragma once

class QDialog;
class QHBoxLayout;

namespace qb {

// The row of "OK" (the default button) and "ｷｬﾝｾﾙ" at the foot of a
// dialog, wired to its accept() and reject().
QHBoxLayout* CreateOkCancelRow(QDialog& dialog);

} // namespace qb
