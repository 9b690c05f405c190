// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/writing_hints.h"

#include "solving/written_line.h"

namespace talvoren {

namespace {

std::string whatHappens(const WrittenStep& step, const std::string& number) {
    const bool turns = turnsRelationRound(step.operation, step.number);
    switch (step.operation) {
    case OpCode::multiply:
        return "両辺のすべての項に" + number + "をかけます。" +
               (turns ? "負の数をかけるので、不等号の向きが変わります。" : "不等号の向きは変わりません。");
    case OpCode::divide:
        return "両辺のすべての項を" + number + "でわります。" +
               (turns ? "負の数でわるので、不等号の向きが変わります。" : "不等号の向きは変わりません。");
    case OpCode::add:
        if (step.twoLines) return "左辺どうし、右辺どうしをたして、文字の項と数の項をそれぞれまとめます。";
        return "両辺に" + number + "をたして、文字の項どうし、数の項どうしを計算します。";
    case OpCode::subtract:
        if (step.twoLines) return "左辺どうし、右辺どうしをひいて、文字の項と数の項をそれぞれまとめます。";
        return "両辺から" + number + "をひいて、文字の項どうし、数の項どうしを計算します。";
    case OpCode::collect: return "左辺と右辺のそれぞれで、文字の項どうし、数の項どうしをまとめます。";
    case OpCode::transpose:
        return "右辺の文字の項を左辺へ、左辺の数の項を右辺へ移します。移した項は符号が変わります。";
    case OpCode::removeBrackets: return "かっこの前の数を、かっこの中のすべての項に符号ごとかけます。";
    case OpCode::none: break;
    }
    return "";
}

// "2x、-3" for one side of the line: its terms one by one.
std::string sideTerms(const ExprLine& line, bool rightSide) {
    std::string text;
    bool onRight = false;
    int depth = 0;
    for (int i = 0; i < line.cellCount; ++i) {
        const ExprCell& c = line.cells[static_cast<std::size_t>(i)];
        if (isRelation(c.kind)) {
            onRight = true;
            continue;
        }
        if (onRight != rightSide) continue;
        if (isOpeningBracket(c.kind)) {
            text += '(';
            ++depth;
            continue;
        }
        if (isClosingBracket(c.kind)) {
            text += ')';
            --depth;
            continue;
        }
        if (!text.empty() && depth == 0 && text.back() != '(') text += "、";
        if (depth > 0 && text.back() != '(' && c.num >= 0) text += '+';
        text += termText(c);
    }
    return text;
}

std::string relationWord(const ExprLine& line) {
    for (int i = 0; i < line.cellCount; ++i) {
        switch (line.cells[static_cast<std::size_t>(i)].kind) {
        case CellKind::less: return "＜";
        case CellKind::greater: return "＞";
        case CellKind::lessEqual: return "≦";
        case CellKind::greaterEqual: return "≧";
        default: break;
        }
    }
    return "";
}

}  // namespace

std::string writingHint(const WrittenStep& step, const std::string& numberText, int level) {
    switch (level) {
    case 1: return whatHappens(step, numberText);
    case 2:
        return "新しい式の項は、左辺が " + sideTerms(step.right, false) + "、右辺が " + sideTerms(step.right, true) +
               " で、不等号は " + relationWord(step.right) + " です。";
    default: return "式を入れておきました。確かめてから［実行］を押しましょう。";
    }
}

std::string writingStatus(const WritingTally& tally) {
    if (tally.lines == 0) return "";
    std::string text = std::to_string(tally.lines) + "回の式のうち" + std::to_string(tally.right) + "回正しく書けました";
    std::string mistakes;
    for (int i = 0; i < mistakeCodeCount; ++i) {
        const int count = tally.mistakes[static_cast<std::size_t>(i)];
        if (count == 0) continue;
        if (!mistakes.empty()) mistakes += "、";
        mistakes += std::string(mistakeShortName(static_cast<MistakeCode>(i))) + std::to_string(count) + "回";
    }
    if (!mistakes.empty()) text += "（" + mistakes + "）";
    return text;
}

}  // namespace talvoren
