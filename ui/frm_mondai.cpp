// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_mondai.h"

#include <algorithm>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include "core/question_parser.h"
#include "courseware/question_set.h"
#include "solving/line_labels.h"
#include "ui/fonts.h"
#include "ui/line_image.h"
#include "ui/qt_surface.h"
#include "ui/line_drawing.h"
#include "ui/typesetter.h"

namespace talvoren::ui {

namespace {

constexpr int previewHeight = 75;
constexpr QSize barSize(25, previewHeight);
constexpr QSize templateSize(25, 76);
constexpr int leftColumnRows = 5;
constexpr int previewMargin = 6;  // pixels kept free at the right edge
constexpr int buttonGap = 13;
constexpr int practiceButtonWidth = 96;

// Where the dialog's parts stand. The full layout is 760 × 456; a smaller
// screen (640 × 480) gets narrower previews and rows closer together, so
// that every control shows without scrolling.
struct MondaiLayout {
    QSize dialog{760, 456};
    int previewWidth = 297;
    int rowTop = 44;
    int rowPitch = 80;
    int rightColumn = 380;
    int listHeight = 158;
    int buttonTop = 404;

    QPoint rowOrigin(int n) const {
        if (n <= leftColumnRows) return QPoint(8, rowTop + (n - 1) * rowPitch);
        return QPoint(8 + rightColumn, rowTop + (n - leftColumnRows - 1) * rowPitch);
    }
    int listWidth() const { return dialog.width() - rightColumn - 24; }
};

MondaiLayout layoutForRoom(QSize room) {
    MondaiLayout layout;
    if (room.width() >= layout.dialog.width() && room.height() >= layout.dialog.height()) return layout;
    // Each column gives up the same width; the rows close up to a pixel apart.
    constexpr int narrowest = 620;
    const int narrowing = std::clamp(layout.dialog.width() - room.width(), 0, layout.dialog.width() - narrowest);
    const int perColumn = (narrowing + 1) / 2;
    layout.dialog = QSize(layout.dialog.width() - 2 * perColumn, 422);
    layout.previewWidth -= perColumn;
    layout.rightColumn -= perColumn;
    layout.rowTop = 40;
    layout.rowPitch = previewHeight + 1;
    layout.buttonTop = layout.dialog.height() - 44;
    layout.listHeight = layout.buttonTop - 8 - (layout.rowTop + 2 * layout.rowPitch + 34);
    return layout;
}

QImage solidBlock(QColor color) {
    QImage block(templateSize, QImage::Format_RGB32);
    block.fill(color);
    return block;
}

}  // namespace

double previewScale(int lineWidth, int imageWidth) {
    const int room = imageWidth - previewMargin;
    return lineWidth > room ? static_cast<double>(room) / lineWidth : 1.0;
}

TfrmMondai::TfrmMondai(CoursewareState& s, CoreState& core, std::function<void()> showRecords,
                       QWidget* parent)
    : QDialog(parent),
      s_(s),
      core_(core),
      showRecords_(std::move(showRecords)),
      imgKakkoB_(solidBlock(QColor(0, 128, 0))),
      imgKakkoW_(solidBlock(Qt::white)) {
    setWindowTitle(QStringLiteral("単元変更"));
    setFont(pixelFont(facePGothic, 14));

    lblMidashi = new QLabel(this);
    lblMidashi->setFont(pixelFont(faceGothic, 20, true));

    for (int n = 1; n <= previewRows; ++n) {
        imgKakko[n] = new LineImage(n, this);
        imgKakko[n]->setObjectName(QStringLiteral("imgKakko%1").arg(n));
        Image[n] = new LineImage(n, this);
        btnShiki[n] = new QPushButton(QString::fromUtf8(lineLabel(n).data(), lineLabel(n).size()), this);
        btnShiki[n]->setFont(pixelFont(facePGothic, 16));
        imgKakko[n]->onClick = [this, n] { markQuestion(n); };
        Image[n]->onClick = [this, n] { markQuestion(n); };
        connect(btnShiki[n], &QPushButton::clicked, this, [this, n] { markQuestion(n); });
    }

    pnlGuide = new QLabel(QStringLiteral("単元を選んでください"), this);
    pnlGuide->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlGuide->setAlignment(Qt::AlignCenter);
    lstTangen = new QListWidget(this);

    btnOK = new QPushButton(QStringLiteral("Ｏ　Ｋ"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    btnShowRecord = new QPushButton(QStringLiteral("練習の記録"), this);
    btnPractice = new QPushButton(QStringLiteral("もっと練習"), this);
    btnPractice->setObjectName(QStringLiteral("btnPractice"));
    btnPractice->setToolTip(QStringLiteral("選んだ単元の問題に似た問題を、次々に作って練習します"));
    fitRoom(MondaiLayout().dialog);

    connect(lstTangen, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_) lstTangenClick();
    });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    connect(btnPractice, &QPushButton::clicked, this, [this] { btnPracticeClick(); });
    connect(btnShowRecord, &QPushButton::clicked, this, [this] {
        if (showRecords_) showRecords_();
    });
}

void TfrmMondai::fitRoom(QSize room) {
    const MondaiLayout layout = layoutForRoom(room);
    setFixedSize(layout.dialog);
    lblMidashi->setGeometry(36, 8, layout.dialog.width() - 60, 30);
    const QSize previewSize(layout.previewWidth, previewHeight);
    for (int n = 1; n <= previewRows; ++n) {
        const QPoint origin = layout.rowOrigin(n);
        imgKakko[n]->setImageGeometry(QRect(origin, barSize));
        Image[n]->setImageGeometry(QRect(origin + QPoint(barSize.width() + 2, 0), previewSize));
        btnShiki[n]->setGeometry(QRect(origin + QPoint(barSize.width() + previewSize.width() + 6, 25), QSize(25, 25)));
    }
    const int listLeft = layout.rowOrigin(6).x();
    const int listTop = layout.rowOrigin(6).y() + 2 * layout.rowPitch;
    pnlGuide->setGeometry(listLeft, listTop + 6, layout.listWidth(), 26);
    const int listWidth = layout.listWidth() - practiceButtonWidth - buttonGap;
    lstTangen->setGeometry(listLeft, listTop + 34, listWidth, layout.listHeight);
    btnPractice->setGeometry(listLeft + listWidth + buttonGap, listTop + 34, practiceButtonWidth, 36);
    const int buttonWidth = (layout.listWidth() - 2 * buttonGap) / 3;
    int left = listLeft;
    for (QPushButton* button : {btnOK, btnCancel, btnShowRecord}) {
        button->setGeometry(left, layout.buttonTop, buttonWidth, 36);
        left += buttonWidth + buttonGap;
    }
}

bool TfrmMondai::showModal() {
    practiceUnit_ = 0;
    const bool accepted = exec() == QDialog::Accepted;
    // Practice starts once the dialog is gone, as if it had been cancelled:
    // the page's question is replaced by the first made one.
    if (practiceUnit_ != 0 && onPractice) {
        s_.chooseUnit(practiceUnit_, s_.unitPosition()[practiceUnit_]);
        onPractice(practiceUnit_);
    }
    return accepted;
}

void TfrmMondai::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) formShow();  // not on a restore from minimised
    QDialog::showEvent(event);
}

void TfrmMondai::formShow() {
    shownUnit = s_.currentUnit();
    lblMidashi->setText(QString::fromStdString(s_.unitTitles()[shownUnit]));
    markedQuestion[shownUnit] = s_.unitPosition()[s_.currentUnit()];

    filling_ = true;
    lstTangen->clear();
    for (int u = 1; u <= listedUnitCount(s_); ++u)
        lstTangen->addItem(QString::fromStdString(s_.unitTitles()[u]));
    drawPreviews();
    lstTangen->setCurrentRow(shownUnit - 1);
    filling_ = false;

    markQuestion(s_.unitPosition()[shownUnit]);
    lstTangen->setFocus();
}

void TfrmMondai::drawPreviews() {
    const int count = s_.unitQuestionCount()[shownUnit];
    for (int n = 1; n <= count && n <= previewRows; ++n) {
        Image[n]->clearWhite();
        btnShiki[n]->setEnabled(true);
        drawPreview(n);
    }
    for (int n = count + 1; n <= previewCount; ++n) {
        Image[n]->clearWhite();
        btnShiki[n]->setEnabled(false);
    }
    previewCount = count;
}

// A question the parser accepts is typeset from the scratch line; one it
// refuses (it has said why) shows its text in red rather than the
// half-filled line the parser left.
void TfrmMondai::drawPreview(int n) {
    const std::string& text = s_.unitQuestions()[shownUnit][n];
    ScratchQuestion question = parseScratchQuestion(text);
    showNotices(core_.messages, question.notices);
    {
        QtSurface surface(Image[n]->image());
        if (question.accepted) {
            const ExprLine& line = question.line;
            TypesetFlags flags{question.hasDecimalPoint, false};
            Typesetter typesetter(surface, flags, question.unknownLetter);
            typesetter.typeset(n, TypesetMode::full, line);
            // A preview is narrower than a page line: a question that runs
            // past its edge is drawn again, its spacing closed up and shrunk
            // to the preview's width as far as it stays legible.
            bool whole = true;
            if (previewScale(typesetter.finalColumn() * surface.pointSize(), Image[n]->width()) < 1.0) {
                flags.closeSpacing = true;
                const double closed = typesetRightEdge(n, TypesetMode::full, line, flags, question.unknownLetter);
                const double room = Image[n]->width() - previewMargin;
                const double legible = legibleScale(Image[n]->image().devicePixelRatio());
                const double scale = chooseLineFit(closed + 1, closed, room, legible).scale;
                surface.fillWhite();
                surface.setScale(scale, previewHeight / 2);
                Typesetter(surface, flags, question.unknownLetter).typeset(n, TypesetMode::full, line);
                surface.setScale(1.0, 0);
                whole = closed * scale <= room + 0.5;
            }
            // A question too long to show whole at a legible size reads in full from the tooltip.
            Image[n]->setToolTip(whole ? QString() : QString::fromStdString(text));
        } else {
            surface.setFont(FontHolder::fntKnj);
            surface.setColor(red);
            surface.drawText(4, 8, text);
            surface.drawText(4, 40, "（正しくない問題です）");
        }
    }
    Image[n]->update();
}

void TfrmMondai::paintBar(int n, const QImage& templ, QPoint at) {
    if (n < 1 || n > previewRows) return;
    {
        QPainter painter(&imgKakko[n]->image());
        painter.drawImage(at, templ);
    }
    imgKakko[n]->update();
}

void TfrmMondai::markQuestion(int n) {
    if (n < 1 || n > s_.unitQuestionCount()[shownUnit]) return;
    paintBar(markedQuestion[shownUnit], imgKakkoW_, QPoint(0, 0));
    paintBar(n, imgKakkoB_, QPoint(1, 1));
    markedQuestion[shownUnit] = n;
}

void TfrmMondai::unmarkQuestion() { paintBar(markedQuestion[shownUnit], imgKakkoW_, QPoint(0, 0)); }

void TfrmMondai::lstTangenClick() {
    const int row = lstTangen->currentRow();
    if (row < 0) return;
    unmarkQuestion();
    shownUnit = row + 1;
    lblMidashi->setText(QString::fromStdString(s_.unitTitles()[shownUnit]));
    drawPreviews();
    markQuestion(s_.unitPosition()[shownUnit]);
}

void TfrmMondai::btnOKClick() {
    if (s_.unitQuestionCount()[shownUnit] < 1) {
        core_.messages.showMessage(noQuestionsInUnitMessage);
        return;
    }
    int& marked = markedQuestion[shownUnit];
    if (marked < 1 || marked > s_.unitQuestionCount()[shownUnit]) marked = 1;
    s_.chooseUnit(shownUnit, marked);
    unmarkQuestion();
    accept();
}

void TfrmMondai::btnCancelClick() { reject(); }

// Practice is made from the unit's own questions, so a unit without any
// has nothing to practise.
void TfrmMondai::btnPracticeClick() {
    if (s_.unitQuestionCount()[shownUnit] < 1) {
        core_.messages.showMessage(noQuestionsInUnitMessage);
        return;
    }
    practiceUnit_ = shownUnit;
    reject();
}

// キャンセル, Escape and the close box all leave the bars clean.
void TfrmMondai::reject() {
    unmarkQuestion();
    QDialog::reject();
}

}  // namespace talvoren::ui
