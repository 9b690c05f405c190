// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Question sequencing: starting a set at unit 1, question 1, moving on
// question by question within a unit, choosing a unit and question in the
// unit dialog, the next button's blinking, and counting solved questions in
// the practice records.

#include <optional>
#include <string>
#include <vector>

#include "courseware/question_set.h"
#include "courseware/records.h"
#include "courseware/set_runner.h"
#include "solving/worksheet.h"

namespace talvoren {

// The unit selection dialog TfrmMondai, shown modally. On OK it has set
// currentUnit and unitPosition[currentUnit] and returns true; false on cancel.
class UnitDialog {
public:
    virtual ~UnitDialog() = default;
    virtual bool showModal() = 0;
};

// The start-up message for a set found nowhere: where it was looked for.
std::string missingSetText(const std::vector<std::string>& lookedAt);

inline constexpr const char* noQuestionsInUnitMessage =
    "この単元には問題がありません。ほかの単元を選んでください";

class Sequencing : public QuestionSetRunner {
public:
    Sequencing(CoursewareState& s, Worksheet& worksheet, UnitDialog& unitDialog,
               PracticeRecords& records)
        : s_(s), worksheet_(worksheet), unitDialog_(unitDialog), records_(records) {}

    // Start-up: fixes appDir (the working directory), the record folder and,
    // unless given, questionSetPath, then loads the set. Without a set in the
    // working directory the installed one (when given and there) is loaded.
    // Returns the whole fatal message when the set cannot be loaded (the
    // caller shows it and closes the main window).
    std::optional<std::string> startUp(const std::string& path = "",
                                       const std::string& installedSet = "");
    // The same with a question-set text in place of the file.
    std::optional<std::string> startUpWithText(std::vector<std::string> text);

    LoadOutcome loadQuestionSet(const std::string& path) override;
    // PATH:N行目:問題が不正です（QUESTION：WHY） naming where and why the set was refused.
    std::string invalidSetText(const std::string& path) const override;
    bool startQuestionSet() override;
    void showUnitTitle() override;
    void chooseUnit() override;

    // Goes on to the next question of the unit, or offers the unit dialog at
    // the unit's end. True when another question took the page's place.
    bool advanceQuestion();
    // Also 次の問題(&N), a click on the answer box and Enter on a solved page.
    // When the pupil declines to move on, the page stays exactly as it was.
    void nextQuestion();
    void blink();

    // The worksheet's report of a solved question: counts it for the current
    // unit and position. True when the record file was written.
    bool questionSolved();

private:
    void fixFolders(const std::string& path);
    // Builds the unit tables and reads every question; on a refusal notes
    // where and why and returns false.
    bool screenQuestionSet();
    // The unit dialog and the set-up of the chosen question; true when the
    // dialog's choice was set up in place of the page's question.
    bool changeUnit();
    bool setUpQuestion(int unit, int n);

    CoursewareState& s_;
    Worksheet& worksheet_;
    UnitDialog& unitDialog_;
    PracticeRecords& records_;
    bool blinkShowsSecond_ = false;  // the alternation runs on across blinkings
    int refusedLine_ = 0;            // where the last refused set stopped (0: no line)
    std::string refusalNote_;        // why, as "（…）"
    int refusedCode_ = 0;            // the parser's code for it
};

}  // namespace talvoren
