// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_edit_ques.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSettings>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>

#include "core/cells.h"
#include "courseware/file_io.h"
#include "courseware/question_analysis.h"
#include "courseware/question_set.h"
#include "ui/analysis_table.h"
#include "ui/fonts.h"
#include "ui/zoom.h"

namespace talvoren::ui {

namespace {

QLineEdit* resultField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

void paintRed(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, Qt::red);
    widget->setPalette(palette);
}

// The size the editor opens at when none was kept, and the width from which
// the analysis stands beside the questions instead of under them.
constexpr QSize firstSize(1000, 680);
constexpr QSize leastSize(600, 380);
constexpr int sideBySideWidth = 900;
const QString editorSizeKey = QStringLiteral("editorSize");

QSize keptEditorSize() {
    const QSize kept = QSettings(zoomSettingsPath(), QSettings::IniFormat).value(editorSizeKey).toSize();
    return kept.isValid() ? kept.expandedTo(leastSize) : firstSize;
}

QWidget* pane(QWidget* parent, QLayout* layout) {
    auto* widget = new QWidget(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setLayout(layout);
    return widget;
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
    setSizeGripEnabled(true);
    setMinimumSize(leastSize);
    setFont(pixelFont(faceGothic, 13));

    memQues = new QPlainTextEdit(this);
    memQues->setFont(pixelFont(facePGothic, 15));
    memQues->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* checkColumn = new QVBoxLayout;
    const auto addField = [&](QLabel*& label, const QString& text, QWidget* field) {
        label = new QLabel(text, this);
        checkColumn->addWidget(label);
        checkColumn->addWidget(field);
    };
    edtTangen = resultField(this);
    addField(Label3, QStringLiteral("単元数"), edtTangen);
    edtResult = resultField(this);
    addField(Label4, QStringLiteral("エラーチェックの結果"), edtResult);
    edtErTangen = resultField(this);
    paintRed(edtErTangen);
    addField(Label1, QStringLiteral("エラーのある単元"), edtErTangen);
    lstErQues = new QListWidget(this);
    lstErQues->setFont(pixelFont(facePGothic, 15));
    // A fault names its unit, line, question and reason: wrapped, so that all
    // of it is read without scrolling sideways.
    lstErQues->setWordWrap(true);
    lstErQues->setTextElideMode(Qt::ElideNone);
    lstErQues->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstErQues->setResizeMode(QListView::Adjust);
    lstErQues->setMinimumHeight(48);
    paintRed(lstErQues);
    addField(Label2, QStringLiteral("エラーを起こした問題"), lstErQues);
    checkColumn->setStretchFactor(lstErQues, 1);

    btnCompile = new QPushButton(QStringLiteral("エラーチェック"), this);
    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    checkColumn->addWidget(btnCompile);
    auto* closing = new QHBoxLayout;
    closing->addWidget(btnOk);
    closing->addWidget(btnCancel);
    checkColumn->addLayout(closing);

    auto* questions = new QHBoxLayout;
    questions->addWidget(pane(this, checkColumn), 2);
    questions->addWidget(memQues, 3);

    auto* analysis = new QVBoxLayout;
    Label5 = new QLabel(QStringLiteral("問題の分析（エラーチェックが成功すると表示）"), this);
    Label5->setWordWrap(true);
    tblAnalysis = new AnalysisTable(this);
    tblAnalysis->setMinimumHeight(60);
    analysis->addWidget(Label5);
    analysis->addWidget(tblAnalysis, 1);

    // Questions and analysis side by side on a wide window, one above the
    // other on a narrow one; the pupil's teacher drags the divide.
    split_ = new QSplitter(this);
    split_->setChildrenCollapsible(false);
    split_->addWidget(pane(split_, questions));
    split_->addWidget(pane(split_, analysis));
    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(8, 8, 8, 8);
    whole->addWidget(split_);
    resize(keptEditorSize());
    arrangeForWidth();

    connect(memQues, &QPlainTextEdit::textChanged, this, [this] { memQuesChange(); });
    connect(btnCompile, &QPushButton::clicked, this, [this] { btnCompileClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmEditQues::arrangeForWidth() {
    const Qt::Orientation wanted = width() >= sideBySideWidth ? Qt::Horizontal : Qt::Vertical;
    split_->setOrientation(wanted);
    // Half and half beside each other; the questions take 65 % above the
    // analysis. A divide dragged by hand holds until the window is resized.
    const int whole = wanted == Qt::Horizontal ? split_->width() : split_->height();
    const int questionsPart = whole * (wanted == Qt::Horizontal ? 50 : 65) / 100;
    split_->setSizes({questionsPart, whole - questionsPart});
}

void TfrmEditQues::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layout()->activate();  // the split takes its new size before it is shared out
    // Only a size the teacher gave the window is kept, not the one it opened at.
    if (event->spontaneous() && isVisible() && event->oldSize().isValid()) resizedByHand_ = true;
    arrangeForWidth();
}

void TfrmEditQues::hideEvent(QHideEvent* event) {
    // Kept for the next opening, in this run and the next.
    if (resizedByHand_ && !event->spontaneous()) saveSetting(editorSizeKey, size());
    QDialog::hideEvent(event);
}

void TfrmEditQues::setEditorCaption(const std::string& path) {
    editor_.setEditorCaption(path);
    setWindowTitle(QString::fromStdString(editor_.caption()));
}

void TfrmEditQues::formShow() {
    filling_ = true;
    memQues->setPlainText(memoText(s_.questionSetText()));
    filling_ = false;
    editor_.start(s_.questionSetPath());
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
    s_.setText(memoLines(memQues->toPlainText()));
    editor_.textChanged();
    showVerdict();
}

void TfrmEditQues::btnCompileClick() {
    const bool passed = editor_.checkSet(s_, core_);
    showVerdict();
    if (passed) tblAnalysis->showAnalyses(analyseQuestionSet(s_), s_);
    if (!passed) memQues->setFocus();  // also when the unchanged text fails
}

void TfrmEditQues::btnOkClick() {
    if (editor_.acceptEdit(s_, core_.messages)) accept();
}

void TfrmEditQues::showVerdict() {
    const CheckVerdict& verdict = editor_.verdict();
    edtTangen->setText(QString::fromStdString(verdict.unitCount));
    edtResult->setText(QString::fromStdString(verdict.result));
    edtErTangen->setText(QString::fromStdString(verdict.faultyUnit));
    lstErQues->clear();
    if (verdict.result != checkPassedText) tblAnalysis->clearAnalyses();
    for (const std::string& question : verdict.faultyQuestions) {
        lstErQues->addItem(QString::fromStdString(question));
        lstErQues->item(lstErQues->count() - 1)->setToolTip(QString::fromStdString(question));
    }
}

}  // namespace talvoren::ui
