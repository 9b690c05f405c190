// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the worksheet tells whoever follows the pupil's progress on the page
// (the hints and the status line): each call comes after the change it names.

namespace talvoren {

struct LineVerdict;

class WorksheetListener {
public:
    virtual ~WorksheetListener() = default;

    virtual void pageCleared() {}
    virtual void questionSetUp() {}
    // A step was executed and its line added (before it is judged).
    virtual void stepExecuted() {}
    // 実行 was refused (its message has been shown).
    virtual void stepRefused() {}
    virtual void lineTakenBack() {}
    // 訂正 cancelled a step not yet executed.
    virtual void stepCancelled() {}
    // The solved state was put on show.
    virtual void solvedShown() {}
    // 計算も自分で: the entry for the new line opened; a written line was judged.
    virtual void lineEntryOpened() {}
    virtual void lineJudged(const LineVerdict& /*verdict*/) {}
};

}  // namespace talvoren
