// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page seam: what the worksheet asks of the windows. The worksheet keeps
// the model (texts, enabled flags, lines); the page only shows it. The desktop
// program implements this with the worked-page window and the control panel,
// the driver records what happened for its transcript, tests use fakes.

#include <string>

#include "core/cells.h"
#include "solving/judge.h"
#include "solving/line_diagnosis.h"
#include "solving/solution_set.h"

namespace talvoren {

enum class FocusTarget { jikkou, next };

// How a line is typeset: at full size, or in the second, smaller drawing
// taken when the line does not fit its image.
enum class TypesetMode { full, small };


class Page {
public:
    virtual ~Page() = default;

    // Texts of the description line lblMess and the number panel pnlNumber.
    virtual void showDescription(const std::string& text) = 0;
    virtual void showPanel(const std::string& text) = 0;

    // Enabled state of btnJikkou and of the line button of line n (1..12);
    // btnNext is always enabled.
    virtual void setJikkouEnabled(bool on) = 0;
    virtual void setLineButtonEnabled(int n, bool on) = 0;
    // btnTeisei: disabled while an answer stands, since it takes nothing back then.
    virtual void setCorrectionEnabled(bool /*on*/) {}

    // Line images: 1..14 and the answer image 16 may exist; which of 1..14
    // exist depends on the page's layout.
    virtual bool hasLineImage(int n) const = 0;
    virtual void clearLineImage(int n) = 0;
    // Draws a caption at the image's top-left corner in the caption font.
    virtual void drawCaption(int n, const std::string& caption) = 0;
    // Typesets the line into image n (16: the answer image, after 【答】);
    // True when the line fitted.
    virtual bool typeset(int n, TypesetMode mode, const ExprLine& line, bool hasDecimalPoint,
                         bool signReversed) = 0;
    virtual void drawLineLabel(int n, const std::string& label) = 0;
    // Line n was taken back by a correction; its image has been cleared
    // already. A notice for transcripts: windows need not act on it.
    virtual void lineTakenBack(int /*n*/) {}

    // The answer box grbKai and its image 16.
    virtual void placeAnswerBox(int n) = 0;
    virtual void hideAnswerBox() = 0;
    // Clears the answer image and writes a plain text into it (16-pixel type,
    // left edge, a third of the image's height from the top).
    virtual void writeAnswerText(const std::string& text) = 0;

    virtual void setLetterKeyCaption(char letter) = 0;  // btnMoji
    virtual void setBlinkTimer(bool on) = 0;            // timBlink
    // The picture on btnNext: 0 that of imgNextQ, 1 that of imgNextR.
    virtual void showNextGlyph(int which) = 0;
    virtual void unmarkAllLines() = 0;                  // hover frames
    virtual void setPageCaption(const std::string& caption) = 0;
    virtual void focusButton(FocusTarget target) = 0;

    // The special-answer dialog, modal: the answer the pupil names,
    // noSolution (解なし) or infinitelyMany (解は無数にある); none when the
    // dialog is closed.
    virtual AnswerKind chooseSpecialAnswer() = 0;

    // The hint line under the description line ("" clears it), the status
    // line under the frame, and the enabled state of btnHint.
    virtual void showHint(const std::string& /*text*/) {}
    virtual void showStatus(const std::string& /*text*/) {}
    virtual void setHintEnabled(bool /*on*/) {}

    // 計算も自分で: the entry in which the pupil writes line n opens (its
    // sentence is drawn already), shows the text typed so far, and closes.
    virtual void openLineEntry(int /*n*/) {}
    virtual void showLineEntryText(const std::string& /*text*/) {}
    virtual void closeLineEntry() {}
    // The tutor's answer to a written line, in the hint line.
    virtual void showVerdict(const LineVerdict& /*verdict*/) {}

    // The solved answer's set, drawn on a number line under the answer; a
    // number tried with 確かめ is marked on it with its sentence.
    virtual void showSolutionSet(const SolutionSet& /*set*/) {}
    virtual void showTrial(const SolutionSet& /*set*/, const Ratio& /*value*/, const std::string& /*sentence*/) {}
};

}  // namespace talvoren
