// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/operations.h"

#include <array>

namespace talvoren {

namespace {

constexpr std::array<Operation, 7> operationTable = {{
    {OpCode::multiply, "×"},
    {OpCode::divide, "÷"},
    {OpCode::add, "＋"},
    {OpCode::subtract, "－"},
    {OpCode::collect, "の両辺を計算して整理する"},
    {OpCode::transpose, "を移項する"},
    {OpCode::removeBrackets, "のかっこをはずす"},
}};

}  // namespace

const Operation* operationOf(OpCode code) {
    for (const Operation& o : operationTable)
        if (o.code == code) return &o;
    return nullptr;
}

bool needsNumber(OpCode code) {
    return code == OpCode::multiply || code == OpCode::divide || code == OpCode::add || code == OpCode::subtract;
}

bool scalesBothSides(OpCode code) { return code == OpCode::multiply || code == OpCode::divide; }

bool turnsRelationRound(OpCode code, const ExprCell& number) {
    return scalesBothSides(code) && number.kind == CellKind::constant && number.num < 0;
}

}  // namespace talvoren
