// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The practice records: TfrmKiroku lists every unit of the loaded set with
// its date of last success and one row of stars per question; TfrmDelete
// erases the records of the units chosen in it.

#include <QDialog>
#include <functional>
#include <string>

#include "courseware/record_deletion.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace talvoren {
class MessageSink;
class PracticeRecords;
struct CoursewareState;
}  // namespace talvoren

namespace talvoren::ui {

class SkillBars;

class TfrmDelete : public QDialog {
public:
    TfrmDelete(PracticeRecords& records, const CoursewareState& s, MessageSink& messages,
               QWidget* parent = nullptr);

    QLabel* pnlGuide;
    QListWidget* lstTitle;
    QPushButton* btnDeleteOne;
    QPushButton* btnClose;

    void formShow();
    void btnDeleteOneClick();
    bool recordsDeleted() const { return deletion_.recordsDeleted(); }

    // However the dialog is closed, its result is OK when a unit was erased.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The list shows the model's entries, none of them selected.
    void showTitles();

    const CoursewareState& s_;
    RecordDeletion deletion_;
};

class TfrmKiroku : public QDialog {
public:
    TfrmKiroku(PracticeRecords& records, const CoursewareState& s, TfrmDelete& deletion,
               QWidget* parent = nullptr);

    QListWidget* lstTitle;
    SkillBars* skillBars;
    QPushButton* btnDelete;
    QPushButton* btnClose;

    void showListing();
    void btnDeleteClick();
    // Where the bars' mastery is read from; the practice record's file when unset.
    void setMasteryPath(std::function<std::string()> path) { masteryPath_ = std::move(path); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    PracticeRecords& records_;
    const CoursewareState& s_;
    TfrmDelete& deletion_;
    std::function<std::string()> masteryPath_;
};

}  // namespace talvoren::ui
