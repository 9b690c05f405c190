// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_page.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>

#include "ui/control_panel.h"
#include "ui/frm_main.h"
#include "ui/frm_page.h"
#include "ui/frm_sentaku.h"
#include "ui/line_drawing.h"
#include "ui/line_image.h"
#include "ui/qt_surface.h"
#include "ui/typesetter.h"

namespace talvoren::ui {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void QtPage::showDescription(const std::string& text) { frame_.frmPage->lblMess->setText(qs(text)); }

void QtPage::showPanel(const std::string& text) { frame_.pnlMain->pnlNumber->setText(qs(text)); }

void QtPage::setJikkouEnabled(bool on) { frame_.pnlMain->btnJikkou->setEnabled(on); }

void QtPage::setNextEnabled(bool on) { frame_.pnlMain->btnNext->setEnabled(on); }

void QtPage::setLineButtonEnabled(int n, bool on) {
    if (n >= 1 && n <= lineButtonCount) frame_.pnlMain->btnShiki[n]->setEnabled(on);
}

bool QtPage::hasLineImage(int n) const {
    return n == answerImage || (n >= 1 && n <= frame_.frmPage->lineCapacity);
}

void QtPage::clearLineImage(int n) {
    if (LineImage* image = frame_.frmPage->lineImage(n)) {
        image->clearWhite();
        drawings_[n] = LineDrawing{n};
    }
}

void QtPage::drawCaption(int n, const std::string& caption) {
    LineImage* image = frame_.frmPage->lineImage(n);
    if (!image) return;
    {
        QtSurface surface(image->image());
        drawCaptionOn(surface, caption);
    }
    drawings_[n].caption = caption;
    image->refresh();
}

bool QtPage::typeset(int n, int mode, const ExprLine& line, bool hasDecimalPoint, bool signReversed) {
    LineImage* image = frame_.frmPage->lineImage(n);
    if (!image) return true;
    LineDrawing& drawing = drawings_[n];
    drawing.typeset = true;
    drawing.mode = mode;
    drawing.line = line;
    drawing.flags = {hasDecimalPoint, signReversed};
    drawing.unknownLetter = frame_.core.unknownLetter;
    bool fitted;
    {
        QtSurface surface(image->image());
        fitted = typesetOn(surface, n, mode, line, drawing.flags, frame_.core.unknownLetter, image->width());
    }
    image->refresh();
    return fitted;
}

void QtPage::drawLineLabel(int n, const std::string& label) {
    LineImage* image = frame_.frmPage->lineImage(n);
    if (!image || n == answerImage) return;
    {
        QtSurface surface(image->image());
        drawLabelOn(surface, image->width(), label);
    }
    drawings_[n].label = label;
    image->refresh();
    // The label is the last of a new line: the page shows the line.
    frame_.frmPage->keepLineInView(n);
}

void QtPage::placeAnswerBox(int n) { frame_.frmPage->placeAnswerBox(n); }

void QtPage::hideAnswerBox() { frame_.frmPage->hideAnswerBox(); }

void QtPage::writeAnswerText(const std::string& text) {
    LineImage* image = frame_.frmPage->Image16;
    image->show();
    image->clearWhite();
    {
        QtSurface surface(image->image());
        drawPlainTextOn(surface, image->height(), text);
    }
    drawings_[answerImage] = LineDrawing{answerImage};
    drawings_[answerImage].plainText = text;
    image->refresh();
}

void QtPage::setLetterKeyCaption(char letter) { frame_.pnlMain->btnMoji->setText(QString(QChar::fromLatin1(letter))); }

void QtPage::setBlinkTimer(bool on) {
    if (on) {
        frame_.timBlink->start();
        return;
    }
    // However the blinking ends, the button goes back to its resting picture.
    frame_.timBlink->stop();
    showNextGlyph(0);
}

void QtPage::showNextGlyph(int which) {
    frame_.pnlMain->btnNext->setIcon(QIcon(which == 0 ? frame_.imgNextQ : frame_.imgNextR));
}

void QtPage::unmarkAllLines() { frame_.frmPage->unmarkAllLines(); }

void QtPage::setPageCaption(const std::string& caption) { frame_.pageWindow->setWindowTitle(qs(caption)); }

void QtPage::focusButton(FocusTarget target) {
    QPushButton* button = target == FocusTarget::jikkou ? frame_.pnlMain->btnJikkou : frame_.pnlMain->btnNext;
    button->setFocus(Qt::OtherFocusReason);
}

void QtPage::showHint(const std::string& text) {
    frame_.frmPage->lblHint->setText(qs(text));
    frame_.frmPage->lblHint->setToolTip(qs(text));
}

void QtPage::showStatus(const std::string& text) { frame_.lblStatus->setText(qs(text)); }

void QtPage::setHintEnabled(bool on) {
    frame_.pnlMain->btnHint->setEnabled(on);
    frame_.mnuHint->setEnabled(on);
}

int QtPage::showSentaku() {
    frame_.frmSentaku->setAnchor(frame_.frmPage->Image[1]);
    return frame_.frmSentaku->exec();
}

void QtPage::questionSolved() { frame_.questionSolved(); }

}  // namespace talvoren::ui
