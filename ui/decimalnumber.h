#pragma once

#include <QString>

#include <optional>

namespace EmulationManagement::Internal {

// A number as the pages' fields and the command line take it: digits with an
// optional sign and, when decimals allows any, one "." followed by at most
// that many digits ("5." and ".5" included). No exponent, no group
// separators, no spaces, whatever the locale. A negative count allows any
// number of decimals.
std::optional<double> readDecimalNumber(const QString &text, int decimals);

} // namespace EmulationManagement::Internal
