// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/question_analysis.h"

#include "core/question_parser.h"
#include "solving/line_labels.h"

namespace talvoren {

namespace {

bool isValueCell(const ExprCell& cell) {
    return cell.kind == CellKind::constant || cell.kind == CellKind::bar || isLetter(cell.kind);
}

// The page shows a value as a decimal when it has at most four places.
bool showsAsDecimal(const ExprCell& cell) { return cell.den > 0 && 10000 % cell.den == 0; }

}  // namespace

void takePlan(QuestionAnalysis& analysis, const Plan& plan) {
    analysis.steps.clear();
    analysis.reversesRelation = false;
    analysis.fits = {};
    analysis.answerLine = ExprLine{};
    analysis.answer = plan.answer;
    if (!plan.found()) return;
    analysis.answerLine = plan.answerLine;
    for (const PlanStep& step : plan.steps) {
        analysis.steps.push_back({step.drawn, step.reversesRelation});
        analysis.reversesRelation = analysis.reversesRelation || step.reversesRelation;
    }
    const int linesUsed = 1 + plan.length();
    for (std::size_t i = 0; i < pageSizes.size(); ++i) analysis.fits[i] = linesUsed <= pageSizes[i].lineCapacity;
}

bool hasBrackets(const ExprLine& question) {
    for (int i = 0; i < question.cellCount; ++i)
        if (isOpeningBracket(question.cells[i].kind)) return true;
    return false;
}

bool hasFraction(const ExprLine& question, bool hasDecimalPoint) {
    for (int i = 0; i < question.cellCount; ++i) {
        const ExprCell& cell = question.cells[i];
        if (!isValueCell(cell) || cell.num == 0 || cell.den == 1) continue;
        if (!hasDecimalPoint || !showsAsDecimal(cell)) return true;
    }
    return false;
}

bool hasUnknownOnBothSides(const ExprLine& question) {
    bool left = false, right = false, pastRelation = false;
    for (int i = 0; i < question.cellCount; ++i) {
        const ExprCell& cell = question.cells[i];
        if (isRelation(cell.kind)) pastRelation = true;
        else if (isLetter(cell.kind) && cell.num != 0) (pastRelation ? right : left) = true;
    }
    return left && right;
}

SkillSet QuestionAnalysis::skillSet() const {
    SkillSet set;
    set.set(skillIndex(Skill::brackets), hasBrackets(question));
    set.set(skillIndex(Skill::fraction), hasFraction(question, hasDecimalPoint));
    set.set(skillIndex(Skill::decimal), hasDecimalPoint);
    set.set(skillIndex(Skill::bothSides), hasUnknownOnBothSides(question));
    set.set(skillIndex(Skill::reversal), reversesRelation);
    set.set(skillIndex(Skill::noSolution), answer == AnswerKind::noSolution);
    set.set(skillIndex(Skill::infinitelyMany), answer == AnswerKind::infinitelyMany);
    return set;
}

std::vector<std::string> QuestionAnalysis::skills() const {
    const SkillSet set = skillSet();
    std::vector<std::string> names;
    for (std::size_t i = 0; i < skillNames.size(); ++i)
        if (set.test(i)) names.emplace_back(skillNames[i]);
    return names;
}

QuestionAnalysis analyseQuestion(int unit, int number, const std::string& text) {
    ExprTables core;  // scratch tables: the parser's notices reach nobody
    QuestionAnalysis analysis;
    analysis.unit = unit;
    analysis.number = number;
    analysis.text = text;
    if (!parseQuestion(core, 1, text)) return analysis;
    analysis.accepted = true;
    analysis.question = core.lines[1];
    analysis.question.caption = questionHeader(number);
    analysis.hasDecimalPoint = core.hasDecimalPoint;
    analysis.letter = core.unknownLetter;
    takePlan(analysis, planFromLine(core, 1, 1, pageSizes.back().lineCapacity));
    return analysis;
}

std::vector<QuestionAnalysis> analyseUnit(const CoursewareState& set, int unit) {
    std::vector<QuestionAnalysis> analyses;
    for (int q = 1; q <= set.unitQuestionCount()[unit]; ++q)
        analyses.push_back(analyseQuestion(unit, q, set.unitQuestions()[unit][q]));
    return analyses;
}

std::vector<QuestionAnalysis> analyseQuestionSet(const CoursewareState& set) {
    std::vector<QuestionAnalysis> analyses;
    for (int u = 1; u <= set.unitCount(); ++u) {
        std::vector<QuestionAnalysis> unit = analyseUnit(set, u);
        analyses.insert(analyses.end(), std::make_move_iterator(unit.begin()), std::make_move_iterator(unit.end()));
    }
    return analyses;
}

std::string answerText(const QuestionAnalysis& analysis) {
    switch (analysis.answer) {
    case AnswerKind::solved: return lineCellsText(analysis.answerLine);
    case AnswerKind::noSolution: return noSolutionText;
    case AnswerKind::infinitelyMany: return infinitelyManyText;
    case AnswerKind::none: break;
    }
    return "none";
}

std::string reportLine(const QuestionAnalysis& analysis) {
    std::string line = "question " + std::to_string(analysis.unit) + '.' + std::to_string(analysis.number) + ": " +
                       analysis.text + " | answer: " + answerText(analysis) + " | steps: ";
    line += analysis.answer == AnswerKind::none ? std::string("none") : std::to_string(analysis.stepCount());
    line += " | skills: ";
    const std::vector<std::string> skills = analysis.skills();
    if (skills.empty()) line += '-';
    for (std::size_t i = 0; i < skills.size(); ++i) line += (i ? "," : "") + skills[i];
    line += " | fits: ";
    for (std::size_t i = 0; i < pageSizes.size(); ++i)
        line += (i ? ", " : "") + std::to_string(pageSizes[i].screenWidth) + (analysis.fits[i] ? " yes" : " no");
    return line;
}

}  // namespace talvoren
