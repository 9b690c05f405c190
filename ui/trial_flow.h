// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 確かめ on the solved page: asks for a number (offering the tutor's two
// suggestions the first time), works the question out for it and shows the
// verdict under the answer, the number marked on the number line.

#include <QString>
#include <functional>
#include <optional>

#include "core/cells.h"
#include "solving/solution_set.h"
#include "solving/worksheet.h"

class QWidget;

namespace talvoren::ui {

class QtPage;

class TrialFlow {
public:
    // ask: shows the prompt with a first text and returns the pupil's text,
    // or nothing when cancelled (a real input dialog in the program).
    using Ask = std::function<std::optional<QString>(const QString& prompt, const QString& first)>;
    TrialFlow(Worksheet& worksheet, CoreState& core, QtPage& page, Ask ask);

    // Does nothing while the page is not solved.
    void run();

    // The prompt and the text first offered.
    static QString promptText(char letter, const SuggestedValues& suggested, bool firstTime);

private:
    Worksheet& worksheet_;
    CoreState& core_;
    QtPage& page_;
    Ask ask_;
    bool suggested_ = false;  // the tutor's numbers are offered once
};

// The program's prompt: a small input dialog over parent.
TrialFlow::Ask inputDialogAsk(QWidget* parent);

}  // namespace talvoren::ui
