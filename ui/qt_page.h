// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The worksheet's page seam over the real widgets: the worked page's images,
// description and hint lines, the control panel's buttons and number panel,
// the blink timer, the status line, the hint menu entry and the
// special-solution dialog. The frame hands it those widgets when it makes it.

#include <QPixmap>
#include <array>
#include <functional>

#include "core/cells.h"
#include "solving/page.h"
#include "ui/line_drawing.h"
#include "ui/accessible_names.h"
#include "ui/read_aloud.h"

class QAction;
class QLabel;
class QMdiSubWindow;
class QTimer;

namespace talvoren::ui {

class ControlPanel;
class TfrmPage;
class TfrmSentaku;

// The widgets the page seam shows the worksheet in.
struct PageWidgets {
    TfrmPage& page;              // line images, lblMess, lblHint, the answer box
    ControlPanel& panel;         // the buttons and pnlNumber
    QMdiSubWindow& pageWindow;   // carries the page's caption
    QTimer& blinkTimer;          // timBlink
    QLabel& statusLine;          // under the frame
    QAction& hintEntry;          // ヒント in the help menu, enabled with btnHint
    std::function<TfrmSentaku&()> sentaku;  // the special-solution dialog
};

class QtPage : public Page {
public:
    // core: the tables whose unknown's letter the lines are typeset with.
    QtPage(PageWidgets widgets, const CoreState& core);

    void showDescription(const std::string& text) override;
    void showPanel(const std::string& text) override;
    void setJikkouEnabled(bool on) override;
    void setCorrectionEnabled(bool on) override;
    void setLineButtonEnabled(int n, bool on) override;

    bool hasLineImage(int n) const override;
    void clearLineImage(int n) override;
    void drawCaption(int n, const std::string& caption) override;
    bool typeset(int n, TypesetMode mode, const ExprLine& line, bool hasDecimalPoint, bool signReversed) override;
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

    AnswerKind chooseSpecialAnswer() override;
    void showSolutionSet(const SolutionSet& set) override;
    void showTrial(const SolutionSet& set, const Ratio& value, const std::string& sentence) override;

    void openLineEntry(int n) override;
    void showLineEntryText(const std::string& text) override;
    void closeLineEntry() override;
    void showVerdict(const LineVerdict& verdict) override;

    // What image n (1..14, 16) shows, as content: printing draws it again.
    const LineDrawing& drawing(int n) const { return drawings_.at(n); }

    // 読み上げ (none in tests that do not ask for it) and the screen
    // reader's announcements of the hint and status lines.
    ReadAloud* readAloud = nullptr;
    Announcer announcer;

private:
    void sayAndAnnounce(const std::string& text);

    PageWidgets widgets_;
    const CoreState& core_;
    // The two pictures btnNext alternates while it blinks.
    QPixmap imgNextQ_;
    QPixmap imgNextR_;
    std::array<LineDrawing, answerImage + 1> drawings_;
    int entryLine_ = 0;  // the line the pupil writes; 0 while none
    // Puts the figure under the answer and draws the answer image again.
    void drawNumberLine(const NumberLineFigure& figure);
    // Gives line n the room it needs: the empty row beside it, else wider columns.
    void makeRoomForLine(int n);
    // Widens the columns when line n cannot be drawn legibly in its image;
    // beingDrawn: only its caption is on it yet.
    void makeLineLegible(int n, bool beingDrawn);
    void repaintCaption(int n);
    // Draws image n again from its content, on white.
    void repaintDrawing(int n);
};

}  // namespace talvoren::ui
