#include "decimalnumber.h"

namespace EmulationManagement::Internal {

std::optional<double> readDecimalNumber(const QString &text, int decimals)
{
    const qsizetype start = text.startsWith('-') || text.startsWith('+') ? 1 : 0;
    qsizetype digits = 0;
    qsizetype point = -1;
    for (qsizetype i = start; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '.' && point < 0)
            point = i;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    if (point >= 0 && (decimals == 0 || (decimals > 0 && text.size() - point - 1 > decimals)))
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace EmulationManagement::Internal
