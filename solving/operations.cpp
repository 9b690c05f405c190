// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/operations.h"

#include <array>

#include "core/transform.h"
#include "solving/worksheet.h"

namespace talvoren {

namespace {

constexpr std::array<Operation, 7> operationTable = {{
    {op::multiply, '*', "×"},
    {op::divide, '/', "÷"},
    {op::add, '+', "＋"},
    {op::subtract, '-', "－"},
    {op::collect, 'S', "の両辺を計算して整理する"},
    {op::transpose, 'I', "を移項する"},
    {op::removeBrackets, 'K', "のかっこをはずす"},
}};

}  // namespace

const Operation* operationFor(int number) {
    for (const Operation& o : operationTable)
        if (o.number == number) return &o;
    return nullptr;
}

const Operation* operationOf(OpCode code) {
    for (const Operation& o : operationTable)
        if (o.opCode == static_cast<char>(code)) return &o;
    return nullptr;
}

bool hasBrackets(const Worksheet& ws) {
    // Line 0 is the scratch line of checks and previews, not a page line.
    if (ws.firstLine < 1 || ws.firstLine >= answerLineIndex) return false;
    return hasBracketsInLine(ws.core.lines[static_cast<std::size_t>(ws.firstLine)]);
}

}  // namespace talvoren
