// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's table of the checked set: for every question its unit and
// number, the question and its answer typeset as on the page, the fewest
// steps, the skills, and a mark when that solution does not fit the page of
// the smallest screen. The table only shows what the analysis worked out.

#include <QImage>
#include <QTableWidget>
#include <vector>

#include "courseware/question_analysis.h"

namespace talvoren::ui {

class AnalysisTable : public QTableWidget {
public:
    enum Column { colUnit, colNumber, colQuestion, colAnswer, colSteps, colSkills, colFits, columnCount };

    explicit AnalysisTable(QWidget* parent = nullptr);

    void showAnalyses(const std::vector<QuestionAnalysis>& analyses, const CoursewareState& set);
    void clearAnalyses();
};

// The texts of a row, as the table shows them (the pictures aside).
QString answerCellText(const QuestionAnalysis& analysis);  // "" when the answer is a typeset line
QString stepsCellText(const QuestionAnalysis& analysis);
QString skillsCellText(const QuestionAnalysis& analysis);
QString fitsCellText(const QuestionAnalysis& analysis);

// A line typeset as the page draws it, cut to the band of its three rows,
// at the given device pixel ratio. A scale below 1 draws it smaller, with
// type of that size rather than a shrunk bitmap, so that it stays sharp.
QImage typesetPicture(const ExprLine& line, bool hasDecimalPoint, char letter, qreal devicePixelRatio = 1.0,
                      qreal scale = 1.0);

}  // namespace talvoren::ui
