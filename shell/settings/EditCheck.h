#pragma once
#include <functional>
#include <string>

class QLineEdit;

namespace qb {

// Hands the edit's text to `check`; when it refuses, the focus goes to the
// edit with its text selected, so the user can type it again. True when accepted.
bool CheckEdit(QLineEdit& edit, const std::function<bool(const std::string&)>& check);

} // namespace qb
