#pragma once

namespace qb {

class CInputName;

// The results of the name-input dialog.
inline constexpr int kNameInputOk = 1;
inline constexpr int kNameInputCancel = 2;
inline constexpr int kNameInputDelete = 1008;

// The modal name-input dialog ("地名入力"): shows the fields of a CInputName,
// lets the user change them, and returns OK, Cancel or Delete. On OK the
// fields hold what the user chose; on Cancel and Delete they are not read back.
class INameInputDialog {
public:
    virtual ~INameInputDialog() = default;
    virtual int Run(CInputName& fields) = 0;
};

} // namespace qb
