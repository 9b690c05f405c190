// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmEditQues: the question-set editor. The memo shows the question-set
// text one file line per memo line (a long line may wrap on the screen but
// stays one line); every change goes straight back into the question-set
// text. エラーチェック checks the whole set; a changed text is accepted only
// after a check that passed. A check that passes shows, under it, what each
// question asks of a pupil (answer, fewest steps, skills, fit on the page),
// beside the questions on a wide window and under them on a narrow one. The
// window is resizable and opens at the size it last had.

#include <QDialog>
#include <string>
#include <vector>

#include "courseware/check.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;

namespace talvoren {
class MessageSink;
struct CoreState;
struct CoursewareState;
}  // namespace talvoren

namespace talvoren::ui {

class AnalysisTable;

class TfrmEditQues : public QDialog {
public:
    TfrmEditQues(CoursewareState& s, CoreState& core, QWidget* parent = nullptr);

    QPlainTextEdit* memQues;
    QLabel* Label3;
    QLineEdit* edtTangen;
    QLabel* Label4;
    QLineEdit* edtResult;
    QLabel* Label1;
    QLineEdit* edtErTangen;
    QLabel* Label2;
    QListWidget* lstErQues;
    QPushButton* btnCompile;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QLabel* Label5;
    AnalysisTable* tblAnalysis;

    void setEditorCaption(const std::string& path);
    void formShow();
    void btnCompileClick();
    void btnOkClick();

    const QuestionSetEditor& editor() const { return editor_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Side by side when the window is wide enough, else the analysis below.
    void arrangeForWidth();
    void memQuesChange();
    void showVerdict();

    CoursewareState& s_;
    CoreState& core_;
    QuestionSetEditor editor_;
    QSplitter* split_ = nullptr;
    bool resizedByHand_ = false;
    bool filling_ = false;  // the memo is being filled from the text, not edited
};

// The memo's text as lines: one per line of the memo; a break at the very
// end does not make an extra empty line.
std::vector<std::string> memoLines(const QString& text);
QString memoText(const std::vector<std::string>& lines);

}  // namespace talvoren::ui
