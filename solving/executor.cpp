// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/executor.h"

#include <optional>
#include <string>

#include "core/transform.h"
#include "solving/line_labels.h"
#include "solving/worksheet.h"

namespace talvoren {

namespace {

// What one operation made: the sentence, or nothing when it was refused.
using Sentence = std::optional<std::string>;

class Step {
public:
    explicit Step(Worksheet& ws)
        : ws_(ws),
          core_(ws.core),
          target_(ws.lineCount),
          l1_(lineLabel(ws.firstLine)),
          l2_(lineLabel(ws.secondLine)),
          c_(ws.enteredTerm),
          t_(ws.enteredText) {}

    Sentence run(char opCode) {
        switch (opCode) {
        case '*': return scale('*');
        case '/': return scale('/');
        case '+': return add();
        case '-': return subtract();
        case 'S': return collect();
        case 'I': return transpose();
        case 'K': return brackets();
        default: return std::nullopt;
        }
    }

private:
    bool twoLines() const { return ws_.stepState == 1 && ws_.firstLine >= 1 && ws_.secondLine >= 1; }

    Sentence refuse(std::string_view message) {
        ws_.showMessage(message);
        return std::nullopt;
    }

    // A transformation's own refusal (overflow, too many cells, relations
    // that do not combine) ends the step with its message.
    bool refusedBy(const TransformResult& r) {
        if (!r.refused()) return false;
        ws_.showMessage(refusalMessage(r.refusal));
        return true;
    }

    Sentence scale(char op) {
        const bool multiply = op == '*';
        if (c_.kind != kind::constant)
            return refuse(multiply ? "文字式をかけることはできません" : "文字式で割ることはできません");
        if (c_.num == 0) return refuse(multiply ? "０をかけることはできません" : "０では割れません");
        std::string sentence = l1_ + "式の両辺を" + t_ + (multiply ? "倍すると" : "で割ると");
        if (refusedBy(scaleBothSides(core_, ws_.firstLine, op, c_, target_))) return std::nullopt;
        if (turnsRelationRound(op, c_)) {
            reverseRelation(core_.lines[static_cast<std::size_t>(target_)]);
            ws_.signReversed = true;
        }
        return sentence;
    }

    Sentence add() {
        if (twoLines()) {
            if (refusedBy(addLines(core_, ws_.firstLine, ws_.secondLine, target_))) return std::nullopt;
            return l1_ + "式と" + l2_ + "式をたすと";
        }
        if (refusedBy(addToBothSides(core_, ws_.firstLine, '+', c_, target_))) return std::nullopt;
        return l1_ + "の両辺に" + t_ + "をたすと";
    }

    Sentence subtract() {
        if (twoLines()) {
            if (refusedBy(subtractLines(core_, ws_.firstLine, ws_.secondLine, target_)))
                return std::nullopt;
            return l1_ + "式から" + l2_ + "式をひくと";
        }
        if (refusedBy(addToBothSides(core_, ws_.firstLine, '-', c_, target_))) return std::nullopt;
        return l1_ + "式の両辺から" + t_ + "をひくと";
    }

    Sentence collect() {
        if (refusedBy(collectTerms(core_, ws_.firstLine, target_))) return std::nullopt;
        return l1_ + "式を整理すると";
    }

    Sentence transpose() {
        const TransformResult r = transposeTerms(core_, ws_.firstLine, target_);
        if (refusedBy(r)) return std::nullopt;
        if (!r.value && core_.messages.ask("確認", "移項する項はありません。訂正しますか",
                                           Buttons::yesNo, Icon::question) == Answer::yes)
            return std::nullopt;  // the caller's reset acts as the correction
        return l1_ + "式を移項すると";
    }

    Sentence brackets() {
        const TransformResult r = removeBrackets(core_, ws_.firstLine, target_);
        if (refusedBy(r)) return std::nullopt;
        if (!r.value) return refuse(l1_ + "式にはかっこがありません");
        return l1_ + "式のかっこをはずすと";
    }

    Worksheet& ws_;
    CoreState& core_;
    int target_;
    std::string l1_, l2_;
    ExprCell c_;
    std::string t_;
};

}  // namespace

bool turnsRelationRound(char opCode, const ExprCell& number) {
    return (opCode == '*' || opCode == '/') && number.kind == kind::constant && number.num < 0;
}

void reverseRelation(ExprLine& line) {
    for (int i = 0; i < line.cellCount; ++i) {
        std::uint8_t& k = line.cells[static_cast<std::size_t>(i)].kind;
        if (!isRelation(k)) continue;
        switch (k) {
        case kind::less: k = kind::greater; break;
        case kind::greater: k = kind::less; break;
        case kind::lessEqual: k = kind::greaterEqual; break;
        case kind::greaterEqual: k = kind::lessEqual; break;
        }
        return;
    }
}

bool applyOperation(Worksheet& ws, char opCode) {
    ws.setPanel("");
    ws.selectState = 0;

    const int target = ws.lineCount;
    ws.core.clearFaults();
    const Sentence sentence = Step(ws).run(opCode);
    if (!sentence) {
        // A refused step leaves no trace: the new slot stays empty.
        clearLine(ws.core, target);
        ws.signReversed = false;
        return false;
    }

    ws.core.lines[static_cast<std::size_t>(target)].caption = *sentence;
    ws.page.drawCaption(target, *sentence);
    ws.drawLine(target);
    ws.firstLine = 0;
    ws.signReversed = false;
    return true;
}

}  // namespace talvoren
