#include "wholenumber.h"

#include "platform/errorreport.h"

#include <algorithm>

namespace goods {

std::optional<std::int64_t> wholeNumber(const QString& text)
{
    const QString digits = text.trimmed();
    qsizetype at = 0;
    bool negative = false;
    if (at < digits.size() &&
        (digits.at(at) == QLatin1Char('-') || digits.at(at) == QLatin1Char('+'))) {
        negative = digits.at(at) == QLatin1Char('-');
        ++at;
    }
    if (at == digits.size())
        return std::nullopt;

    std::int64_t value = 0;
    for (; at < digits.size(); ++at) {
        const QChar c = digits.at(at);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = std::min(NumberCeiling, value * 10 + (c.unicode() - '0'));
    }
    return negative ? -value : value;
}

int toWholeNumber(const QString& text)
{
    const auto value = wholeNumber(text);
    if (!value)
        platform::raise(QStringLiteral("\"%1\" is not a number.").arg(text));
    return static_cast<int>(*value);
}

} // namespace goods
