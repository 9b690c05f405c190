// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_page.h"

#include <algorithm>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include "solving/page_layout.h"
#include "solving/worksheet.h"
#include "ui/control_panel.h"
#include "ui/line_drawing.h"
#include "ui/fonts.h"
#include "ui/line_image.h"
#include "ui/page_scroll.h"
#include "ui/qt_surface.h"
#include "ui/typesetter.h"
#include "ui/zoom.h"

namespace talvoren::ui {

namespace {

constexpr int answerBoxWidth = 297;
// The answer image holds the answer's band and, under it, the number line.
constexpr int answerImageHeight = answerBandHeight + numberLineHeight;
constexpr int answerBoxHeight = 121 + numberLineHeight;
constexpr int answerImageWidth = 272;
constexpr int lowerStarsTop = 96 + numberLineHeight;
// 確かめ sits in the box's title row, this far left of its right edge.
constexpr int tashikameRightGap = 96;
// Between the description line and the first row of lines.
constexpr int lineTopGap = 5;

// The page's client area: reports mouse moves over the background.
class PageClient : public QWidget {
public:
    explicit PageClient(std::function<void()> onMove) : onMove_(std::move(onMove)) { setMouseTracking(true); }

protected:
    void mouseMoveEvent(QMouseEvent*) override { onMove_(); }

private:
    std::function<void()> onMove_;
};

QLabel* starBand(QWidget* parent, const char* name, int top) {
    auto* band = new QLabel(QStringLiteral("★★★★★★★★★★★★★★★★★"), parent);
    band->setObjectName(QString::fromLatin1(name));
    band->setGeometry(14, top, 272, 16);
    band->setAlignment(Qt::AlignCenter);
    band->setFont(pixelFont(facePGothic, 14));
    band->setAutoFillBackground(true);
    QPalette p = band->palette();
    p.setColor(QPalette::Window, Qt::yellow);
    p.setColor(QPalette::WindowText, QColor(255, 128, 0));
    band->setPalette(p);
    return band;
}

}  // namespace

TfrmPage::TfrmPage(MessageSink& messages, std::function<const Worksheet*()> worksheet, QWidget* parent)
    : QScrollArea(parent), messages_(messages), worksheet_(std::move(worksheet)), client_(new PageClient([this] { FormMouseMove(); })) {
    setObjectName(QStringLiteral("frmPage"));
    setFont(pixelFont(facePGothic, 16));
    setFrameShape(QFrame::NoFrame);
    setWidget(client_);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { pinDescription(); });
    setWidgetResizable(false);
    // Only a small screen makes the page scroll downwards; sideways only when
    // a line would otherwise be drawn too small to read (fitClient).
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    client_->setAutoFillBackground(true);

    lblMess = new QLabel(client_);
    lblMess->setObjectName(QStringLiteral("lblMess"));
    lblMess->setGeometry(8, 0, 400, 25);
    lblMess->setAutoFillBackground(true);
    QPalette messPalette = lblMess->palette();
    messPalette.setColor(QPalette::Window, QColor(128, 128, 0));
    messPalette.setColor(QPalette::WindowText, Qt::white);
    lblMess->setPalette(messPalette);
    lblMess->setFont(pixelFont(faceGothic, 21, true));

    lblHint = new QLabel(client_);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setGeometry(8, lblMess->height(), 400, hintLineHeight);
    lblHint->setAutoFillBackground(true);
    QPalette hintPalette = lblHint->palette();
    hintPalette.setColor(QPalette::Window, QColor(255, 250, 205));
    hintPalette.setColor(QPalette::WindowText, QColor(0, 70, 160));
    lblHint->setPalette(hintPalette);
    lblHint->setFont(pixelFont(faceGothic, 14));
    lblHint->setIndent(4);
    lblHint->setWordWrap(true);

    for (int n = 1; n <= pageLineImages; ++n) {
        Image[n] = new LineImage(n, client_);
        Image[n]->hide();
        Image[n]->onClick = [this, n] { clickControl(Control::lineImage(n)); };
        Image[n]->onMouseMove = [this, n] { lineImageMouseMove(n); };
    }

    grbKai = new QGroupBox(QStringLiteral("解"), client_);
    grbKai->setObjectName(QStringLiteral("grbKai"));
    grbKai->resize(answerBoxWidth, answerBoxHeight);
    grbKai->setAutoFillBackground(true);
    grbKai->installEventFilter(this);
    Image16 = new LineImage(answerImage, grbKai);
    Image16->setImageGeometry(QRect(14, 24, answerImageWidth, answerImageHeight));
    Image16->onClick = [this] { clickControl(Control::of(ControlKind::answerImage)); };
    lblStarX = starBand(grbKai, "lblStarX", 16);
    lblStarY = starBand(grbKai, "lblStarY", lowerStarsTop);
    // Alt+T is the frame's shortcut for it, whichever control has the focus.
    btnTashikame = new QPushButton(QStringLiteral("確かめ"), grbKai);
    btnTashikame->setToolTip(QStringLiteral("数を入れて、式が成り立つか確かめます (Alt+T)"));
    btnTashikame->setObjectName(QStringLiteral("btnTashikame"));
    btnTashikame->setGeometry(answerBoxWidth - tashikameRightGap, 0, 84, 22);
    btnTashikame->setFocusPolicy(Qt::NoFocus);
    connect(btnTashikame, &QPushButton::clicked, this, [this] {
        if (onTashikame) onTashikame();
    });
    grbKai->hide();
}

QRect TfrmPage::pageGeometry(const QRect& pnlMain, int frameWidth) {
    return QRect(pnlMain.width() - 2, pnlMain.top(), frameWidth - pnlMain.width() - 10, pnlMain.height() - 2);
}

void TfrmPage::FormCreate(int pageWidth) {
    bandWidth_ = pageWidth - 16;
    lblMess->resize(bandWidth_, lblMess->height());
    lblHint->resize(bandWidth_, hintLineHeight);
}

void TfrmPage::FormShow(int screenWidth, int screenHeight) {
    const bool holdsLargeLayout = screenWidth > zoomedLayout.width() && screenHeight >= zoomedLayout.height();
    const PageLayoutChoice choice = pageLayoutForScreen(holdsLargeLayout ? zoomedLayout.width() : screenWidth);
    if (choice.warnResolution) messages_.showMessage(std::string(lowResolutionMessage));
    lineCapacity = choice.lineCapacity;
    screenColumnWidth_ = (screenWidth - pnlMainWidth) / 2 - 20;
    layoutColumns(screenColumnWidth_);
    sizeAnswerBox(std::min(answerBoxWidth, screenColumnWidth_));
    // Until it is placed, the box stands below the right column.
    grbKai->move(screenColumnWidth_ + 10, (lineCapacity - lineCapacity / 2) * lineImagePitch + linesTop() + 3);
    fitClient();
}

void TfrmPage::layoutColumns(int w) {
    const int half = lineCapacity / 2;
    const int top = linesTop();
    for (int i = 1; i <= pageLineImages; ++i) {
        if (i > lineCapacity) {
            Image[i]->hide();
            continue;
        }
        const bool left = i <= half;
        const int slot = left ? i - 1 : i - half - 1;
        Image[i]->setImageGeometry(QRect(left ? 8 : w + 10, slot * lineImagePitch + top, w, lineImageHeight));
        Image[i]->show();
    }
}

int TfrmPage::columnWidth() const { return Image[lineCapacity]->width(); }

bool TfrmPage::widenColumns(int width) {
    if (width <= columnWidth()) return false;
    layoutColumns(width);
    if (grbKai->isVisible()) placeAnswerBox(answerBoxLine_);
    fitClient();
    return true;
}

int TfrmPage::rowNeighbour(int n) const {
    const int half = lineCapacity / 2;
    return n >= 1 && n <= half && n + half <= lineCapacity ? n + half : 0;
}

bool TfrmPage::spanRow(int n) {
    const int beside = rowNeighbour(n);
    if (!beside) return false;
    const int width = Image[beside]->geometry().right() + 1 - Image[n]->x();
    if (width <= Image[n]->width()) return false;
    Image[n]->setImageGeometry(QRect(Image[n]->pos(), QSize(width, Image[n]->height())));
    Image[n]->raise();
    return true;
}

bool TfrmPage::unspanRow(int n) {
    const int beside = rowNeighbour(n);
    if (!beside || Image[n]->width() == Image[beside]->width()) return false;
    Image[n]->setImageGeometry(QRect(Image[n]->pos(), Image[beside]->size()));
    return true;
}

bool TfrmPage::restoreColumns() {
    bool laidOut = true;
    for (int n = 1; n <= lineCapacity; ++n) laidOut = laidOut && Image[n]->width() == screenColumnWidth_;
    if (screenColumnWidth_ <= 0 || laidOut) return false;
    layoutColumns(screenColumnWidth_);
    fitClient();
    horizontalScrollBar()->setValue(0);
    return true;
}

void TfrmPage::showDescription(const QString& text) { lblMess->setText(text); }

namespace {

// A long hint (a step set up, with why the relation turns) is set in smaller
// type until it fits the band's two lines; below the smallest size the band
// grows to hold it, over the lines, so that no word is cut off.
constexpr int hintTypeLargest = 14;
constexpr int hintTypeSmallest = 11;

int wrappedHeight(const QLabel& label, const QFont& font, const QString& text) {
    const int room = label.width() - 2 * label.indent();
    return QFontMetrics(font).boundingRect(QRect(0, 0, room, 10'000), Qt::TextWordWrap, text).height();
}

}  // namespace

void TfrmPage::showHint(const QString& text) {
    QFont font = lblHint->font();
    int height = 0;
    for (int size = hintTypeLargest; size >= hintTypeSmallest; --size) {
        font.setPixelSize(size);
        height = wrappedHeight(*lblHint, font, text);
        if (height <= hintLineHeight) break;
    }
    lblHint->setFont(font);
    lblHint->resize(lblHint->width(), std::max(hintLineHeight, height + 2));
    lblHint->setText(text);
    lblHint->setToolTip(text);
}

LineImage* TfrmPage::lineImage(int n) const {
    if (n >= 1 && n <= pageLineImages) return Image[n];
    return n == answerImage ? Image16 : nullptr;
}

void TfrmPage::placeAnswerBox(int n) {
    answerBoxLine_ = n;
    grbKai->move(answerBoxPlace(n));
    grbKai->show();
    grbKai->raise();
    lblMess->raise();
    lblHint->raise();
    fitClient();
    // The last line and the box together where the page has room for both
    // (the blank gap under the pinned band may go under it); else the box
    // whole, whose answer repeats the last line: on a short screen the box
    // may start the next column at the top of the page.
    const LineImage* line = n >= 1 && n <= lineCapacity ? Image[n] : nullptr;
    const QRect box = grbKai->geometry();
    const QRect both = line ? box | line->geometry() : box;
    const bool roomForBoth = both.height() <= viewport()->height() - linesTop() + lineTopGap;
    keepInView(roomForBoth ? both : box);
}

QPoint TfrmPage::answerBoxPlace(int n) const {
    // In the row after the last line. Where that row would reach below the
    // sheet's last row, the box starts the next column instead, which is
    // still empty; in the last column it stays below the line, and the page
    // scrolls to it.
    const LineImage* last = n >= 1 && n <= lineCapacity ? Image[n] : Image[std::min(6, lineCapacity)];
    const QPoint below(last->x(), last->y() + last->height() + 3);
    int columnBottom = 0;
    for (int k = 1; k <= lineCapacity; ++k)
        if (Image[k]->x() == last->x()) columnBottom = std::max(columnBottom, Image[k]->geometry().bottom());
    if (below.y() + grbKai->height() - 1 <= columnBottom) return below;
    for (int k = n + 1; k <= lineCapacity; ++k)
        if (Image[k]->x() > last->x()) return Image[k]->pos();
    return below;
}

void TfrmPage::keepLineInView(int n) {
    if (n >= 1 && n <= lineCapacity) keepInView(Image[n]->geometry());
}

void TfrmPage::keepInView(const QRect& region) {
    QScrollBar* bar = verticalScrollBar();
    const PageScroll scroll{bar->value(), viewport()->height(), linesTop(), bar->maximum()};
    bar->setValue(scrollToShow(scroll, region.top(), region.bottom() + 1));
    horizontalScrollBar()->setValue(0);
}

void TfrmPage::pinDescription() {
    // The description line and the hint line under it stay at the top of
    // what the page shows.
    lblMess->move(lblMess->x(), verticalScrollBar()->value());
    lblHint->move(lblHint->x(), lblMess->y() + lblMess->height());
    lblMess->raise();
    lblHint->raise();
}

int TfrmPage::linesTop() const { return lblMess->height() + hintLineHeight + lineTopGap; }

void TfrmPage::hideAnswerBox() {
    grbKai->hide();
    fitClient();
    verticalScrollBar()->setValue(0);
}

bool TfrmPage::answerBoxShown() const { return !grbKai->isHidden(); }

void TfrmPage::clickControl(Control control) {
    if (onControlClick) onControlClick(control);
}

void TfrmPage::frameLine(int k, bool marked) {
    LineImage* image = k >= 1 && k <= lineCapacity ? Image[k] : nullptr;
    if (!image) {
        messages_.showMessage(marked ? "ww" + std::to_string(k) : "Cannot Delete" + std::to_string(k));
        return;
    }
    {
        QtSurface surface(image->image());
        surface.drawFrame(1, 0, image->width() - 1, image->height() - 1, marked ? red : white);
    }
    image->refresh();
}

void TfrmPage::markLine(int k) { frameLine(k, true); }

void TfrmPage::unmarkLine(int k) { frameLine(k, false); }

void TfrmPage::unmarkAllLines() {
    const Worksheet* worksheet = this->worksheet();
    const int lineCount = worksheet ? worksheet->state().lineCount : 0;
    for (int k = 1; k <= lineCount; ++k) unmarkLine(k);
    hoveredLine = -1;
}

void TfrmPage::lineImageMouseMove(int k) {
    // No frames while a solution is on show or a line has been clicked.
    const Worksheet* worksheet = this->worksheet();
    if (!worksheet || worksheet->blinkTimerOn() || worksheet->state().selectionMade) return;
    if (k == hoveredLine) return;
    unmarkAllLines();
    if (k <= worksheet->state().lineCount) {
        markLine(k);
        hoveredLine = k;
    }
}

void TfrmPage::FormMouseMove() {
    const Worksheet* worksheet = this->worksheet();
    if (!worksheet || worksheet->state().selectionMade) return;
    if (hoveredLine != -1) {
        unmarkLine(hoveredLine);
        hoveredLine = -1;
    }
}

bool TfrmPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grbKai && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        clickControl(Control::of(ControlKind::answerBox));
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void TfrmPage::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fitClient();
}

void TfrmPage::sizeAnswerBox(int width) {
    // A narrow column (640 pixels of screen) takes a narrower box: its
    // image and bands lose the difference, and the answer shrinks to fit.
    const int inner = width - answerBoxWidth + answerImageWidth;
    grbKai->resize(width, answerBoxHeight);
    Image16->setImageGeometry(QRect(Image16->pos(), QSize(inner, Image16->height())));
    lblStarX->resize(inner, lblStarX->height());
    lblStarY->resize(inner, lblStarY->height());
    btnTashikame->move(width - tashikameRightGap, 0);
}

void TfrmPage::fitClient() {
    // The client grows downwards to hold every visible control; the page
    // scrolls where the screen is too short for it, never sideways.
    QRect bounds(QPoint(0, 0), viewport()->size());
    for (QWidget* child : client_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && child != lblMess && child != lblHint) bounds |= child->geometry();
    // Sideways only while the columns are widened for a long line.
    const bool widened = screenColumnWidth_ > 0 && columnWidth() > screenColumnWidth_;
    setHorizontalScrollBarPolicy(widened ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    client_->resize(widened ? std::max(viewport()->width(), bounds.right() + 1) : viewport()->width(),
                    bounds.height());
    // A vertical scroll bar narrows what the page shows: the description and
    // hint lines end before it, so that it never covers (or cuts) their text.
    const int shown = std::min(bandWidth_, viewport()->width() - lblMess->x());
    if (shown > 0 && shown != lblMess->width()) {
        lblMess->resize(shown, lblMess->height());
        lblHint->resize(shown, hintLineHeight);
    }
}

}  // namespace talvoren::ui
