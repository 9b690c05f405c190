// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <string>
#include <string_view>

#include "solving/line_labels.h"
#include "ui/fit_label.h"
#include "ui/fonts.h"
#include "ui/glyphs.h"

namespace talvoren::ui {

namespace {

const QColor teal(0, 128, 128);
const QColor purple(128, 0, 128);
const QColor fuchsia(255, 0, 255);
const QColor aqua(0, 255, 255);

constexpr int panelMargin = 8;

// The controls below the operation group stand in a column. A panel too
// short for them (800 x 600) closes the column up with lower buttons.
struct ColumnSpacing {
    int top;           // 実行's top
    int buttonHeight;
    int pitch;         // from one button's top to the next
};
constexpr ColumnSpacing fullColumn{152, 33, 40};
constexpr ColumnSpacing closedColumn{150, 29, 31};
constexpr int numberGroupHeight = 169;

// The lowest control's bottom, the panel's margin below it.
constexpr int columnContentHeight(const ColumnSpacing& c) {
    const int gap = c.pitch - c.buttonHeight;
    const int nextTop = c.top + 2 * c.pitch + numberGroupHeight + gap;
    return nextTop + 3 * c.pitch + c.buttonHeight + panelMargin;
}
// The scroll bar fills the margin right of the groups.
constexpr int scrollBarWidth = 8;

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::ButtonText, color);
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

QGroupBox* tealGroup(QWidget* parent, const char* name, QRect geometry) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(geometry);
    QPalette p = g->palette();
    p.setColor(QPalette::Window, teal);
    g->setPalette(p);
    g->setAutoFillBackground(true);
    return g;
}

QPushButton* pictureButton(QWidget* parent, const char* name, QRect geometry, const QPixmap& glyph) {
    QPushButton* b = button(parent, name, QString(), geometry);
    b->setIcon(QIcon(glyph));
    b->setIconSize(glyph.deviceIndependentSize().toSize());  // in layout pixels, whatever the density
    return b;
}

QPushButton* wordButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        const QString& hint) {
    QPushButton* b = button(parent, name, caption, geometry);
    b->setFont(pixelFont(facePGothic, 14, true));
    setTextColor(b, purple);
    b->setToolTip(hint);
    return b;
}

}  // namespace

ControlPanel::ControlPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnlMain"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setGeometry(0, 0, pnlMainWidth, 600);

    for (int n = 1; n <= lineButtonCount; ++n) {
        const QByteArray name = "btnShiki" + QByteArray::number(n);
        const std::string_view label = lineLabel(n);
        btnShiki[n] = button(this, name.constData(), QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())),
                             QRect(8, 8 + 24 * (n - 1), 25, 25));
        btnShiki[n]->setFont(pixelFont(facePGothic, 16));
        btnShiki[n]->setEnabled(false);
    }
    btnShiki[1]->setToolTip(QString::fromUtf8(std::string(lineLabel(1)) + "式"));

    grbSousa = tealGroup(this, "grbSousa", QRect(40, 8, 97, 137));
    btnKake = pictureButton(grbSousa, "btnKake", QRect(8, 11, 25, 25), operationGlyph(OperationSign::multiply));
    btnWaru = pictureButton(grbSousa, "btnWaru", QRect(8, 43, 25, 25), operationGlyph(OperationSign::divide));
    btnTasu = pictureButton(grbSousa, "btnTasu", QRect(8, 73, 25, 25), operationGlyph(OperationSign::add));
    btnHiku = pictureButton(grbSousa, "btnHiku", QRect(8, 105, 25, 25), operationGlyph(OperationSign::subtract));
    btnKakko = wordButton(grbSousa, "btnKakko", QStringLiteral("かっこ"), QRect(40, 16, 49, 33),
                          QStringLiteral("かっこをはずす"));
    btnSeiri = wordButton(grbSousa, "btnSeiri", QStringLiteral("整理"), QRect(40, 56, 49, 33),
                          QStringLiteral("同類項を計算して簡単にする"));
    btnIkou = wordButton(grbSousa, "btnIkou", QStringLiteral("移項"), QRect(40, 96, 49, 33),
                         QStringLiteral("移項する"));

    btnJikkou = button(this, "btnJikkou", QStringLiteral("実行"), QRect(40, 152, 97, 33));
    btnJikkou->setIcon(jikkouIcon());
    btnJikkou->setIconSize(QSize(25, 25));
    btnJikkou->setEnabled(false);
    btnTeisei = button(this, "btnTeisei", QStringLiteral("訂正"), QRect(40, 192, 97, 33));
    btnTeisei->setIcon(QIcon(teiseiGlyph()));
    btnTeisei->setIconSize(QSize(25, 25));

    grbNumber = tealGroup(this, "grbNumber", QRect(40, 232, 97, 169));
    pnlNumber = new FitLabel(grbNumber);
    pnlNumber->setObjectName(QStringLiteral("pnlNumber"));
    pnlNumber->setGeometry(8, 10, 81, 27);
    pnlNumber->setAutoFillBackground(true);
    QPalette numberPalette = pnlNumber->palette();
    numberPalette.setColor(QPalette::Window, Qt::black);
    numberPalette.setColor(QPalette::WindowText, aqua);
    pnlNumber->setPalette(numberPalette);
    pnlNumber->setFont(pixelFont(facePGothic, 19, true));
    pnlNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const int columns[] = {10, 36, 62};
    const int rows[] = {40, 64, 88, 112, 137};
    const auto key = [&](const char* name, const QString& caption, int column, int row) {
        return button(grbNumber, name, caption, QRect(columns[column], rows[row], 25, 25));
    };
    // 7 8 9 / 4 5 6 / 1 2 3 / 0 . - ; the 7 has always been a half-width figure.
    static const char* const digitCaptions[] = {"０", "１", "２", "３", "４", "５", "６", "7", "８", "９"};
    for (int d = 1; d <= 9; ++d) {
        const QByteArray name = "btn" + QByteArray::number(d);
        btnDigit[d] = key(name.constData(), QString::fromUtf8(digitCaptions[d]), (d - 1) % 3, 2 - (d - 1) / 3);
    }
    btnDigit[0] = key("btn0", QString::fromUtf8(digitCaptions[0]), 0, 3);
    btnDecimal = key("btnDecimal", QStringLiteral("．"), 1, 3);
    btnMinus = key("btnMinus", QStringLiteral("-"), 2, 3);
    btnClear = key("btnClear", QStringLiteral("CL"), 0, 4);
    btnClear->setFont(pixelFont(facePGothic, 12, true));
    setTextColor(btnClear, Qt::red);
    btnClear->setToolTip(QStringLiteral("クリアする"));
    btnBunsu = key("btnBunsu", QStringLiteral("分の"), 1, 4);
    btnBunsu->setFont(pixelFont(facePGothic, 11));
    setTextColor(btnBunsu, purple);
    btnBunsu->setToolTip(QStringLiteral("分数の入力"));
    btnMoji = key("btnMoji", QStringLiteral("x"), 2, 4);
    btnMoji->setFont(pixelFont(faceBookman, 24, false, true));
    setTextColor(btnMoji, fuchsia);
    btnMoji->setToolTip(QStringLiteral("文字を入力する"));

    // ＜ ＞ ≦ ≧ over the number display, shown while a line is written.
    const char* const relationNames[] = {"btnLess", "btnGreater", "btnLessEqual", "btnGreaterEqual"};
    const char* const relationCaptions[] = {"＜", "＞", "≦", "≧"};
    for (std::size_t i = 0; i < btnRelation.size(); ++i) {
        btnRelation[i] = button(grbNumber, relationNames[i], QString::fromUtf8(relationCaptions[i]),
                                QRect(8 + 20 * static_cast<int>(i), 10, 21, 27));
        btnRelation[i]->setFont(pixelFont(facePGothic, 14, true));
        btnRelation[i]->hide();
    }

    btnNext = button(this, "btnNext", QStringLiteral("次の問題"), QRect(40, 408, 97, 33));
    btnNext->setToolTip(QStringLiteral("次の問題に移ります"));
    btnNext->setIcon(QIcon(nextGlyphQ()));
    btnNext->setIconSize(QSize(25, 25));
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("単元選択 "), QRect(40, 448, 97, 33));
    btnKiroku = button(this, "btnKiroku", QStringLiteral("練習の記録"), QRect(40, 488, 97, 33));
    btnHint = button(this, "btnHint", QStringLiteral("ヒント"), QRect(40, 528, 97, 33));
    btnHint->setToolTip(QStringLiteral("次にすることのヒントを出します (H)"));
    btnHint->setIcon(QIcon(hintGlyph()));
    btnHint->setIconSize(QSize(25, 25));
    btnHint->setEnabled(false);

    scrollBar = new QScrollBar(Qt::Vertical, this);
    scrollBar->setObjectName(QStringLiteral("pnlMainScroll"));
    scrollBar->setFocusPolicy(Qt::NoFocus);
    scrollBar->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: %1px; }").arg(scrollBarWidth));
    scrollBar->hide();
    connect(scrollBar, &QScrollBar::valueChanged, this, [this](int offset) { scrollTo(offset); });
}

void ControlPanel::setLineButtonEnabled(int n, bool on) {
    if (n >= 1 && n <= lineButtonCount) btnShiki[n]->setEnabled(on);
}

void ControlPanel::showNumber(const QString& text) { pnlNumber->setText(text); }

void ControlPanel::setJikkouEnabled(bool on) { btnJikkou->setEnabled(on); }

void ControlPanel::setCorrectionEnabled(bool on) { btnTeisei->setEnabled(on); }

void ControlPanel::setHintEnabled(bool on) { btnHint->setEnabled(on); }

void ControlPanel::showRelationKeys(bool on) {
    pnlNumber->setVisible(!on);
    for (QPushButton* key : btnRelation) key->setVisible(on);
}

void ControlPanel::showLetterKey(char letter) { btnMoji->setText(QString(QChar::fromLatin1(letter))); }

void ControlPanel::showNextPicture(const QPixmap& picture) { btnNext->setIcon(QIcon(picture)); }

void ControlPanel::focusJikkou() { btnJikkou->setFocus(Qt::OtherFocusReason); }

void ControlPanel::focusNext() { btnNext->setFocus(Qt::OtherFocusReason); }

int ControlPanel::contentHeight() { return columnContentHeight(fullColumn); }

void ControlPanel::placeColumn(bool closed) {
    const ColumnSpacing& c = closed ? closedColumn : fullColumn;
    const auto place = [&](QWidget* control, int top, int height) {
        control->setGeometry(control->x(), top - scrolled_, control->width(), height);
    };
    place(btnJikkou, c.top, c.buttonHeight);
    place(btnTeisei, c.top + c.pitch, c.buttonHeight);
    place(grbNumber, c.top + 2 * c.pitch, numberGroupHeight);
    int top = c.top + 2 * c.pitch + numberGroupHeight + c.pitch - c.buttonHeight;
    for (QPushButton* button : {btnNext, BitBtn1, btnKiroku, btnHint}) {
        place(button, top, c.buttonHeight);
        top += c.pitch;
    }
}

void ControlPanel::setPanelHeight(int height) {
    resize(pnlMainWidth, height);
    const bool closed = height < contentHeight() && height >= columnContentHeight(closedColumn);
    placeColumn(closed);
    const int hidden = std::max(0, (closed ? columnContentHeight(closedColumn) : contentHeight()) - height);
    scrollBar->setRange(0, hidden);
    scrollBar->setPageStep(height);
    scrollBar->setSingleStep(24);
    scrollBar->setGeometry(pnlMainWidth - scrollBarWidth, 0, scrollBarWidth, height);
    scrollBar->setVisible(hidden > 0);
    if (hidden == 0) scrollTo(0);
}

void ControlPanel::scrollTo(int offset) {
    const int by = scrolled_ - offset;
    scrolled_ = offset;
    // Only the column of groups and buttons scrolls: the line buttons stay in
    // reach while 次の問題 and the buttons below it are scrolled into view.
    const auto isLineButton = [this](QWidget* w) { return std::find(btnShiki.begin(), btnShiki.end(), w) != btnShiki.end(); };
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != scrollBar && !isLineButton(child)) child->move(child->pos() + QPoint(0, by));
}

void ControlPanel::wheelEvent(QWheelEvent* event) {
    if (!scrollBar->isVisible()) return QFrame::wheelEvent(event);
    scrollBar->setValue(scrollBar->value() - event->angleDelta().y() / 120 * scrollBar->singleStep());
    event->accept();
}

}  // namespace talvoren::ui
