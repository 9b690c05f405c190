// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet's page seam over the real widgets: the worked page's images
// and description line, the control panel's buttons and number panel, the
// blink timer and the special-solution dialog of the main frame.

#include <array>

#include "solving/page.h"
#include "ui/line_drawing.h"

namespace talvoren::ui {

class TfrmMain;

class QtPage : public Page {
public:
    explicit QtPage(TfrmMain& frame) : frame_(frame) {}

    void showDescription(const std::string& text) override;
    void showPanel(const std::string& text) override;
    void setJikkouEnabled(bool on) override;
    void setNextEnabled(bool on) override;
    void setLineButtonEnabled(int n, bool on) override;

    bool hasLineImage(int n) const override;
    void clearLineImage(int n) override;
    void drawCaption(int n, const std::string& caption) override;
    bool typeset(int n, int mode, const ExprLine& line, bool hasDecimalPoint, bool signReversed) override;
    void drawLineLabel(int n, const std::string& label) override;

    void placeAnswerBox(int n) override;
    void hideAnswerBox() override;
    void writeAnswerText(const std::string& text) override;

    void setLetterKeyCaption(char letter) override;
    void setBlinkTimer(bool on) override;
    void showNextGlyph(int which) override;
    void unmarkAllLines() override;
    void setPageCaption(const std::string& caption) override;
    void focusButton(FocusTarget target) override;
    void showHint(const std::string& text) override;
    void showStatus(const std::string& text) override;
    void setHintEnabled(bool on) override;

    int showSentaku() override;
    void questionSolved() override;

    // What image n (1..14, 16) shows, as content: printing draws it again.
    const LineDrawing& drawing(int n) const { return drawings_.at(n); }

private:
    TfrmMain& frame_;
    std::array<LineDrawing, answerImage + 1> drawings_;
};

}  // namespace talvoren::ui
