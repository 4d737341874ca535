#include "shell/dialogs/Cp932ByteValidator.h"

#include "shell/dialogs/Cp932EditLimit.h"

namespace qb {

QValidator::State CCp932ByteValidator::validate(QString& input, int&) const
{
    return FitsCp932Bytes(input, m_maxBytes) ? Acceptable : Invalid;
}

} // namespace qb
