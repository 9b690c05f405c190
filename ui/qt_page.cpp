// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_page.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTimer>

#include "core/reading.h"
#include "solving/spoken_lines.h"
#include "solving/written_line.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"
#include "ui/frm_sentaku.h"
#include "ui/glyphs.h"
#include "ui/line_image.h"
#include "ui/qt_surface.h"
#include "ui/typesetter.h"

namespace talvoren::ui {

namespace {

// The rule the pupil writes a line on.
constexpr Rgb entryRuleColor{0, 102, 204};

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QtPage::QtPage(PageWidgets widgets, const CoreState& core)
    : widgets_(std::move(widgets)),
      core_(core),
      imgNextQ_(nextGlyphQ()),
      imgNextR_(nextGlyphR()) {}

void QtPage::showDescription(const std::string& text) { widgets_.page.showDescription(qs(text)); }

void QtPage::showPanel(const std::string& text) { widgets_.panel.showNumber(qs(text)); }

void QtPage::setJikkouEnabled(bool on) { widgets_.panel.setJikkouEnabled(on); }


void QtPage::setCorrectionEnabled(bool on) { widgets_.panel.setCorrectionEnabled(on); }

void QtPage::setLineButtonEnabled(int n, bool on) { widgets_.panel.setLineButtonEnabled(n, on); }

bool QtPage::hasLineImage(int n) const {
    return n == answerImage || (n >= 1 && n <= widgets_.page.lineCapacity);
}

void QtPage::clearLineImage(int n) {
    if (LineImage* image = widgets_.page.lineImage(n)) {
        image->clearWhite();
        drawings_[n] = LineDrawing{n};
        nameEmptyLine(widgets_.page, widgets_.panel, n);
    }
}

void QtPage::drawCaption(int n, const std::string& caption) {
    LineImage* image = widgets_.page.lineImage(n);
    if (!image) return;
    {
        QtSurface surface(image->image());
        drawCaptionOn(surface, caption);
    }
    drawings_[n].caption = caption;
    image->refresh();
    image->setAccessibleDescription(qs(caption));  // the question's header comes after its line
}

bool QtPage::typeset(int n, TypesetMode mode, const ExprLine& line, bool hasDecimalPoint, bool signReversed) {
    LineImage* image = widgets_.page.lineImage(n);
    if (!image) return true;
    LineDrawing& drawing = drawings_[n];
    drawing.typeset = true;
    drawing.mode = mode;
    drawing.line = line;
    drawing.flags = {hasDecimalPoint, signReversed};
    drawing.unknownLetter = core_.unknownLetter;
    drawing.minimumScale = legibleScale(image->image().devicePixelRatio());
    if (n != answerImage) makeRoomForLine(n);
    bool fitted;
    {
        QtSurface surface(image->image());
        fitted = typesetOn(surface, n, mode, line, drawing.flags, core_.unknownLetter, image->width(),
                           drawing.minimumScale);
    }
    image->refresh();
    if (mode == TypesetMode::full) {  // a line shrunk to fit is typeset twice; it is named and said once
        nameDrawnLine(widgets_.page, widgets_.panel, n, line, hasDecimalPoint);
        if (readAloud) readAloud->say(spokenLine(n, line, hasDecimalPoint));
    }
    return fitted;
}

void QtPage::drawLineLabel(int n, const std::string& label) {
    LineImage* image = widgets_.page.lineImage(n);
    if (!image || n == answerImage) return;
    {
        QtSurface surface(image->image());
        drawLabelOn(surface, image->width(), label);
    }
    drawings_[n].label = label;
    image->refresh();
    // The label is the last of a new line: the page shows the line.
    widgets_.page.keepLineInView(n);
}

void QtPage::placeAnswerBox(int n) {
    TfrmPage& page = widgets_.page;
    page.placeAnswerBox(n);
    // A box standing in the right column takes back the room a long line borrowed there.
    for (int k = 1; k <= page.lineCapacity / 2; ++k) {
        if (page.Image[k]->geometry().intersects(page.grbKai->geometry()) && page.unspanRow(k)) {
            repaintDrawing(k);
            makeLineLegible(k, false);
        }
    }
}

void QtPage::hideAnswerBox() {
    widgets_.page.hideAnswerBox();
    // A new question starts on columns of the screen's width.
    widgets_.page.restoreColumns();
}

void QtPage::makeRoomForLine(int n) {
    TfrmPage& page = widgets_.page;
    // A line drawn in the right column takes back the room its neighbour borrowed.
    const int half = page.lineCapacity / 2;
    if (n > half && page.unspanRow(n - half)) {
        repaintDrawing(n - half);
        makeLineLegible(n - half, false);
    }
    // A long line of the left column takes the empty row beside it before it shrinks.
    const LineDrawing& drawing = drawings_[n];
    const int beside = page.rowNeighbour(n);
    if (beside && !drawings_[beside].typeset && drawings_[beside].caption.empty() &&
        fitLine(n, drawing.line, drawing.flags, drawing.unknownLetter, page.lineImage(n)->width(),
                drawing.minimumScale)
                .scale < 1.0 &&
        page.spanRow(n))
        repaintCaption(n);
    makeLineLegible(n, true);
}

void QtPage::makeLineLegible(int n, bool beingDrawn) {
    const LineDrawing& drawing = drawings_[n];
    TfrmPage& page = widgets_.page;
    // What the line needs in a column of its own; a row it spans may hold it already.
    const int needed = legibleImageWidth(n, drawing.line, drawing.flags, drawing.unknownLetter, page.columnWidth(),
                                         drawing.minimumScale);
    if (page.lineImage(n)->width() >= needed || !page.widenColumns(needed)) return;
    // The wider images are white: the lines already drawn are drawn again,
    // and of the line being drawn its caption, which came first.
    for (int k = 1; k <= widgets_.page.lineCapacity; ++k) {
        if (k == n && beingDrawn)
            repaintCaption(k);
        else
            repaintDrawing(k);
    }
}

void QtPage::repaintCaption(int n) {
    LineImage* image = widgets_.page.lineImage(n);
    if (!image || drawings_[n].caption.empty()) return;
    {
        QtSurface surface(image->image());
        drawCaptionOn(surface, drawings_[n].caption);
    }
    image->refresh();
}

void QtPage::repaintDrawing(int n) {
    LineImage* image = widgets_.page.lineImage(n);
    if (!image) return;
    {
        QPainter painter(&image->image());
        paintLineDrawing(painter, QRectF(0, 0, image->width(), image->height()), image->size(), drawings_[n]);
    }
    image->refresh();
}

void QtPage::writeAnswerText(const std::string& text) {
    LineImage* image = widgets_.page.lineImage(answerImage);
    image->show();
    image->clearWhite();
    {
        QtSurface surface(image->image());
        drawPlainTextOn(surface, image->height(), text);
    }
    drawings_[answerImage] = LineDrawing{answerImage};
    drawings_[answerImage].plainText = text;
    image->refresh();
    nameAnswerText(widgets_.page, text);
    if (readAloud) readAloud->say(textReading(text));
}

void QtPage::showSolutionSet(const SolutionSet& set) { drawNumberLine({set, std::nullopt, answerBandHeight, 0, ""}); }

void QtPage::showTrial(const SolutionSet& set, const Ratio& value, const std::string& sentence) {
    drawNumberLine({set, value, answerBandHeight, 0, sentence});
}

void QtPage::drawNumberLine(const NumberLineFigure& figure) {
    LineImage* image = widgets_.page.lineImage(answerImage);
    LineDrawing& drawing = drawings_[answerImage];
    drawing.numberLine = figure;
    image->clearWhite();
    {
        QPainter painter(&image->image());
        paintLineDrawing(painter, QRectF(0, 0, image->width(), image->height()), image->size(), drawing);
    }
    image->refresh();
}

void QtPage::setLetterKeyCaption(char letter) { widgets_.panel.showLetterKey(letter); }

void QtPage::setBlinkTimer(bool on) {
    if (on) {
        widgets_.blinkTimer.start();
        return;
    }
    // However the blinking ends, the button goes back to its resting picture.
    widgets_.blinkTimer.stop();
    showNextGlyph(0);
}

void QtPage::showNextGlyph(int which) { widgets_.panel.showNextPicture(which == 0 ? imgNextQ_ : imgNextR_); }

void QtPage::unmarkAllLines() { widgets_.page.unmarkAllLines(); }

void QtPage::setPageCaption(const std::string& caption) { widgets_.pageWindow.setWindowTitle(qs(caption)); }

void QtPage::focusButton(FocusTarget target) {
    if (target == FocusTarget::jikkou)
        widgets_.panel.focusJikkou();
    else
        widgets_.panel.focusNext();
}

void QtPage::showHint(const std::string& text) {
    widgets_.page.showHint(qs(text));
    sayAndAnnounce(text);
}

void QtPage::showStatus(const std::string& text) {
    widgets_.statusLine.setText(qs(text));
    sayAndAnnounce(text);
}

void QtPage::sayAndAnnounce(const std::string& text) {
    if (text.empty()) return;
    announcer.announce(qs(text));
    if (readAloud) readAloud->say(textReading(text));
}

void QtPage::setHintEnabled(bool on) {
    widgets_.panel.setHintEnabled(on);
    widgets_.hintEntry.setEnabled(on);
}

void QtPage::openLineEntry(int n) {
    if (readAloud) readAloud->say(textReading(drawing(n).caption));  // the step's sentence
    entryLine_ = n;
    widgets_.panel.showRelationKeys(true);
    showLineEntryText("");
}

// The entry is drawn in the line's own image: the sentence, the line typeset
// live as far as it reads (else the text as typed), and a rule to write on.
void QtPage::showLineEntryText(const std::string& text) {
    LineImage* image = widgets_.page.lineImage(entryLine_);
    if (!image) return;
    image->clearWhite();
    {
        QtSurface surface(image->image());
        drawCaptionOn(surface, drawings_[entryLine_].caption);
        const WrittenLine written = readWrittenLine(text, core_.unknownLetter);
        if (written.line)
            typesetOn(surface, entryLine_, TypesetMode::full, *written.line, {core_.hasDecimalPoint, false}, core_.unknownLetter,
                      image->width());
        else
            drawPlainTextOn(surface, image->height(),
                            text.empty() ? std::string("ここに式を書きます") : text + "｜");
        surface.setColor(entryRuleColor);
        const int rule = lineDrawingLayoutHeight - 4;
        surface.drawHorizontalLine(4, image->width() - labelColumnWidth - 4, rule);
        surface.drawHorizontalLine(4, image->width() - labelColumnWidth - 4, rule + 1);
    }
    image->refresh();
}

void QtPage::closeLineEntry() {
    widgets_.panel.showRelationKeys(false);
    if (LineImage* image = widgets_.page.lineImage(entryLine_)) {
        image->clearWhite();
        image->refresh();
    }
    entryLine_ = 0;
}

void QtPage::showVerdict(const LineVerdict& verdict) {
    // A right line speaks for itself: it is drawn.
    if (verdict.kind != VerdictKind::right) showHint(verdict.text);
}

AnswerKind QtPage::chooseSpecialAnswer() {
    TfrmSentaku& sentaku = widgets_.sentaku();
    sentaku.setAnchor(widgets_.page.lineImage(1));
    switch (sentaku.exec()) {
    case sentakuKainashi: return AnswerKind::noSolution;
    case sentakuMusu: return AnswerKind::infinitelyMany;
    default: return AnswerKind::none;
    }
}

}  // namespace talvoren::ui
