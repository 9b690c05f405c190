// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/spoken_lines.h"

#include "core/reading.h"
#include "solving/judge.h"
#include "solving/line_labels.h"

namespace talvoren {

namespace {

std::string labelOf(int n) {
    if (n == answerLineIndex) return answerMark;
    const std::string_view label = lineLabel(n);
    return label.empty() ? "" : std::string(label) + "式 ";
}

}  // namespace

std::string lineImageText(int n, const ExprLine& line, bool hasDecimalPoint) {
    return labelOf(n) + lineText(line, hasDecimalPoint);
}

std::string spokenLine(int n, const ExprLine& line, bool hasDecimalPoint) {
    std::string said = textReading(n == answerLineIndex ? std::string(answerMark) : line.caption);
    const std::string cells = lineReading(line, hasDecimalPoint);
    if (!said.empty() && !cells.empty()) said += ' ';
    return said + cells;
}

}  // namespace talvoren
