// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a teacher needs to know about each question of a set before handing
// it to a class: its answer, the fewest steps that reach it with the
// pupil's own operations, the skills it exercises, and whether that
// shortest solution fits the page on each screen width. The editor's table,
// the printed answer key and the driver's report all read these values.

#include <array>
#include <string>
#include <vector>

#include "core/cells.h"
#include "courseware/question_set.h"
#include "courseware/skills.h"
#include "solving/page_layout.h"
#include "solving/planner.h"

namespace talvoren {

// One line of a worked solution as the page draws it: its cells with the
// sentence in caption, and whether the step turned the relation round.
struct WorkedLine {
    ExprLine line;
    bool signReversed = false;
};

struct QuestionAnalysis {
    int unit = 0;
    int number = 0;  // within its unit, as on the page
    std::string text;
    bool accepted = false;  // by the question parser; nothing below is set otherwise

    // The question as the parser reads it, with its header: line 1 of the page.
    ExprLine question;
    bool hasDecimalPoint = false;
    char letter = '@';

    // The shortest solution on the widest page: lines 2, 3, ...
    std::vector<WorkedLine> steps;
    AnswerKind answer = AnswerKind::none;  // none: no plan fits the widest page
    ExprLine answerLine;  // the solved line, for AnswerKind::solved
    bool reversesRelation = false;  // some step multiplies or divides by a negative number
    std::array<bool, pageSizes.size()> fits{};  // per pageSizes

    int stepCount() const { return static_cast<int>(steps.size()); }
    bool fitsNarrowestPage() const { return fits[0]; }
    // The skills that apply, in the report's order (かっこ, 分数, 小数,
    // 両辺に文字, 向きが変わる, 解なし, 解は無数にある).
    std::vector<std::string> skills() const;
    SkillSet skillSet() const;
};


// Analyses every question of a unit, or of every unit of the set, units and
// questions in order. Shows no message: a question is parsed and planned on
// scratch state.
std::vector<QuestionAnalysis> analyseUnit(const CoursewareState& set, int unit);
std::vector<QuestionAnalysis> analyseQuestionSet(const CoursewareState& set);
QuestionAnalysis analyseQuestion(int unit, int number, const std::string& text);

// Takes the answer, steps, turned relations and fits from the shortest plan
// on the widest page: it fits a narrower page when its lines do, as no plan
// there can be shorter.
void takePlan(QuestionAnalysis& analysis, const Plan& plan);

// Question-only skills of a parsed question.
bool hasBrackets(const ExprLine& question);
// A value the page shows as a fraction (with a decimal point in the
// question, values of at most four decimal places are shown as decimals).
bool hasFraction(const ExprLine& question, bool hasDecimalPoint);
bool hasUnknownOnBothSides(const ExprLine& question);

// The answer as the driver prints it: cells, 解なし, 解は無数にある or none.
std::string answerText(const QuestionAnalysis& analysis);
// "question U.Q: TEXT | answer: ... | steps: N | skills: ... | fits: 640 yes, ..."
std::string reportLine(const QuestionAnalysis& analysis);

}  // namespace talvoren
