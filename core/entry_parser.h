// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number entry: the pad's text (UTF-8, measured over its code-page-932 bytes,
// so "分の" is four bytes long) into one cell. A refusal is the cell
// den 0, num 0, kind "/" after exactly one message (none for a lone "-").

#include <cstdint>
#include <string_view>

#include "core/cells.h"

namespace talvoren {

ExprCell parseEntry(ExprTables& s, std::string_view text);

struct DigitsValue {
    std::int32_t value = 0;
    bool refused = false;
};
DigitsValue digitsValue(ExprTables& s, std::string_view digits);

}  // namespace talvoren
