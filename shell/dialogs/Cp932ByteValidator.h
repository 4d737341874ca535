#pragma once
#include <QValidator>

#include <cstddef>

namespace qb {

// Refuses every edit that would make the text longer than a number of code
// page 932 bytes, so that an edit never shows more than will be kept.
class CCp932ByteValidator final : public QValidator {
    Q_OBJECT
public:
    CCp932ByteValidator(std::size_t maxBytes, QObject* parent) : QValidator(parent), m_maxBytes(maxBytes) {}

    State validate(QString& input, int& position) const override;

private:
    std::size_t m_maxBytes;
};

} // namespace qb
