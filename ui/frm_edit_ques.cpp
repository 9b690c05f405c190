// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_edit_ques.h"

#include <QGuiApplication>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "core/cells.h"
#include "courseware/file_io.h"
#include "courseware/question_analysis.h"
#include "courseware/question_set.h"
#include "ui/analysis_table.h"
#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

QLineEdit* resultField(QWidget* parent, const QRect& geometry) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setGeometry(geometry);
    return field;
}

QLabel* fieldLabel(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

// The check's part of the dialog, and the analysis band under it: as tall
// as the screen leaves room for, within these bounds.
constexpr QSize checkArea(700, 460);
constexpr int analysisBandMost = 240;
constexpr int analysisBandLeast = 120;
constexpr int windowFrameAllowance = 40;

int analysisBandHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - checkArea.height() - windowFrameAllowance
                            : analysisBandMost;
    return std::clamp(room, analysisBandLeast, analysisBandMost);
}

void paintRed(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, Qt::red);
    widget->setPalette(palette);
}

}  // namespace

// The memo's lines follow the file's rule: a break at the very end adds no empty line.
std::vector<std::string> memoLines(const QString& text) { return splitLines(text.toStdString()); }

QString memoText(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines) joined.append(QString::fromStdString(line));
    return joined.join(QLatin1Char('\n'));
}

TfrmEditQues::TfrmEditQues(CoursewareState& s, CoreState& core, QWidget* parent)
    : QDialog(parent), s_(s), core_(core) {
    setWindowTitle(QStringLiteral("問題の編集"));
    const int band = analysisBandHeight();
    setFixedSize(checkArea.width(), checkArea.height() + band);
    setFont(pixelFont(faceGothic, 13));

    memQues = new QPlainTextEdit(this);
    memQues->setFont(pixelFont(facePGothic, 15));
    memQues->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memQues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memQues->setGeometry(292, 8, 400, 400);

    Label3 = fieldLabel(QStringLiteral("単元数"), this, QRect(10, 8, 270, 18));
    edtTangen = resultField(this, QRect(10, 26, 90, 26));
    Label4 = fieldLabel(QStringLiteral("エラーチェックの結果"), this, QRect(10, 60, 270, 18));
    edtResult = resultField(this, QRect(10, 78, 270, 26));
    Label1 = fieldLabel(QStringLiteral("エラーのある単元"), this, QRect(10, 112, 270, 18));
    edtErTangen = resultField(this, QRect(10, 130, 270, 26));
    paintRed(edtErTangen);
    Label2 = fieldLabel(QStringLiteral("エラーを起こした問題"), this, QRect(10, 164, 270, 18));
    lstErQues = new QListWidget(this);
    lstErQues->setFont(pixelFont(facePGothic, 15));
    lstErQues->setGeometry(10, 182, 270, 160);
    // A fault names its unit, line, question and reason: wrapped, so that all
    // of it is read without scrolling sideways.
    lstErQues->setWordWrap(true);
    lstErQues->setTextElideMode(Qt::ElideNone);
    lstErQues->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstErQues->setResizeMode(QListView::Adjust);
    paintRed(lstErQues);

    btnCompile = new QPushButton(QStringLiteral("エラーチェック"), this);
    btnCompile->setGeometry(10, 352, 270, 40);
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setGeometry(10, 408, 130, 40);
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setGeometry(150, 408, 130, 40);
    Label5 = fieldLabel(QStringLiteral("問題の分析（エラーチェックが成功すると表示）"), this,
                        QRect(10, checkArea.height(), 680, 18));
    tblAnalysis = new AnalysisTable(this);
    tblAnalysis->setGeometry(10, checkArea.height() + 20, 680, band - 28);

    connect(memQues, &QPlainTextEdit::textChanged, this, [this] { memQuesChange(); });
    connect(btnCompile, &QPushButton::clicked, this, [this] { btnCompileClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmEditQues::setEditorCaption(const std::string& path) {
    editor_.setEditorCaption(path);
    setWindowTitle(QString::fromStdString(editor_.caption()));
}

void TfrmEditQues::formShow() {
    filling_ = true;
    memQues->setPlainText(memoText(s_.questionSetText));
    filling_ = false;
    editor_.formShow(s_.questionSetPath);
    setWindowTitle(QString::fromStdString(editor_.caption()));
    showVerdict();
    memQues->setFocus();
}

void TfrmEditQues::showEvent(QShowEvent* event) {
    // Only a showing by the program; the window system shows the dialog
    // again after it was minimised, which must keep what is on it.
    if (!event->spontaneous()) formShow();
    QDialog::showEvent(event);
}

void TfrmEditQues::memQuesChange() {
    if (filling_) return;
    s_.questionSetText = memoLines(memQues->toPlainText());
    editor_.memQuesChange();
    showVerdict();
}

void TfrmEditQues::btnCompileClick() {
    const bool passed = editor_.btnCompileClick(s_, core_);
    showVerdict();
    if (passed) tblAnalysis->showAnalyses(analyseQuestionSet(s_), s_);
    if (!passed) memQues->setFocus();  // also when the unchanged text fails
}

void TfrmEditQues::btnOkClick() {
    if (editor_.btnOkClick(s_, core_.messages)) accept();
}

void TfrmEditQues::showVerdict() {
    const CheckVerdict& verdict = editor_.verdict();
    edtTangen->setText(QString::fromStdString(verdict.edtTangen));
    edtResult->setText(QString::fromStdString(verdict.edtResult));
    edtErTangen->setText(QString::fromStdString(verdict.edtErTangen));
    lstErQues->clear();
    if (verdict.edtResult != checkPassedText) tblAnalysis->clearAnalyses();
    for (const std::string& question : verdict.lstErQues) {
        lstErQues->addItem(QString::fromStdString(question));
        lstErQues->item(lstErQues->count() - 1)->setToolTip(QString::fromStdString(question));
    }
}

}  // namespace talvoren::ui
