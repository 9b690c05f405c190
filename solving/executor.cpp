// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/executor.h"

#include "core/transform.h"
#include "solving/line_labels.h"

namespace talvoren {

namespace {

// What one operation made: the sentence, or nothing when it was refused.
using Sentence = std::optional<std::string>;

class Step {
public:
    Step(CoreState& core, const StepContext& step)
        : core_(core),
          step_(step),
          firstLabel_(lineLabel(step.firstLine)),
          secondLabel_(lineLabel(step.secondLine)) {}

    Sentence run() {
        switch (step_.opCode) {
        case OpCode::multiply:
        case OpCode::divide: return scale();
        case OpCode::add: return add();
        case OpCode::subtract: return subtract();
        case OpCode::collect: return collect();
        case OpCode::transpose: return transpose();
        case OpCode::removeBrackets: return brackets();
        case OpCode::none: break;
        }
        return std::nullopt;
    }

    bool signReversed = false;
    // Why the step was refused, and the question to ask before it stands.
    std::string refusal;
    std::optional<std::string> confirmation;

private:
    bool twoLines() const { return step_.withSecondLine && step_.firstLine >= 1 && step_.secondLine >= 1; }
    const ExprCell& number() const { return step_.enteredTerm; }
    const std::string& numberText() const { return step_.enteredText; }

    Sentence refuse(std::string_view message) {
        refusal = message;
        return std::nullopt;
    }

    // A transformation's own refusal (overflow, too many cells, relations
    // that do not combine) ends the step with its message.
    bool refusedBy(const TransformResult& r) {
        if (!r.refused()) return false;
        refusal = refusalMessage(r.refusal);
        return true;
    }

    Sentence scale() {
        const bool multiply = step_.opCode == OpCode::multiply;
        const char op = static_cast<char>(step_.opCode);
        if (number().kind != CellKind::constant)
            return refuse(multiply ? "文字式をかけることはできません" : "文字式で割ることはできません");
        if (number().num == 0) return refuse(multiply ? "０をかけることはできません" : "０では割れません");
        std::string sentence = firstLabel_ + "式の両辺を" + numberText() + (multiply ? "倍すると" : "で割ると");
        if (refusedBy(scaleBothSides(core_, step_.firstLine, op, number(), step_.target))) return std::nullopt;
        if (turnsRelationRound(step_.opCode, number())) {
            reverseRelation(core_.lines[static_cast<std::size_t>(step_.target)]);
            signReversed = true;
        }
        return sentence;
    }

    Sentence add() {
        if (twoLines()) {
            if (refusedBy(addLines(core_, step_.firstLine, step_.secondLine, step_.target))) return std::nullopt;
            return firstLabel_ + "式と" + secondLabel_ + "式をたすと";
        }
        if (refusedBy(addToBothSides(core_, step_.firstLine, '+', number(), step_.target))) return std::nullopt;
        return firstLabel_ + "の両辺に" + numberText() + "をたすと";
    }

    Sentence subtract() {
        if (twoLines()) {
            if (refusedBy(subtractLines(core_, step_.firstLine, step_.secondLine, step_.target)))
                return std::nullopt;
            return firstLabel_ + "式から" + secondLabel_ + "式をひくと";
        }
        if (refusedBy(addToBothSides(core_, step_.firstLine, '-', number(), step_.target))) return std::nullopt;
        return firstLabel_ + "式の両辺から" + numberText() + "をひくと";
    }

    Sentence collect() {
        if (refusedBy(collectTerms(core_, step_.firstLine, step_.target))) return std::nullopt;
        return firstLabel_ + "式を整理すると";
    }

    Sentence transpose() {
        const TransformResult r = transposeTerms(core_, step_.firstLine, step_.target);
        if (refusedBy(r)) return std::nullopt;
        if (!r.value) confirmation = "移項する項はありません。訂正しますか";
        return firstLabel_ + "式を移項すると";
    }

    Sentence brackets() {
        const TransformResult r = removeBrackets(core_, step_.firstLine, step_.target);
        if (refusedBy(r)) return std::nullopt;
        if (!r.value) return refuse(firstLabel_ + "式にはかっこがありません");
        return firstLabel_ + "式のかっこをはずすと";
    }

    CoreState& core_;
    const StepContext& step_;
    std::string firstLabel_;
    std::string secondLabel_;
};

}  // namespace

void reverseRelation(ExprLine& line) {
    for (int i = 0; i < line.cellCount; ++i) {
        CellKind& k = line.cells[static_cast<std::size_t>(i)].kind;
        if (!isRelation(k)) continue;
        switch (k) {
        case CellKind::less: k = CellKind::greater; break;
        case CellKind::greater: k = CellKind::less; break;
        case CellKind::lessEqual: k = CellKind::greaterEqual; break;
        case CellKind::greaterEqual: k = CellKind::lessEqual; break;
        default: break;
        }
        return;
    }
}

StepResult applyOperation(CoreState& core, const StepContext& step) {
    core.clearFaults();
    Step running(core, step);
    StepResult result{running.run(), running.signReversed, running.refusal, running.confirmation};
    if (!result.accepted()) {
        // A refused step leaves no trace: the new slot stays empty.
        clearLine(core, step.target);
        result.signReversed = false;
        return result;
    }
    // A step still to be confirmed gets its caption when the pupil keeps it.
    if (!result.confirmation) core.lines[static_cast<std::size_t>(step.target)].caption = *result.sentence;
    return result;
}

}  // namespace talvoren
