// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// クラスの記録: the teacher's live overview of a records folder. One table
// of pupils (solved, steps against shortest, hints, mistakes, time, and why
// to look at them), one of questions (pupils, solved, the common mistake
// with an example); refreshed every few seconds, sortable by any column,
// printable.

#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include <memory>

#include "courseware/class_overview.h"

class QLabel;

namespace talvoren::ui {

inline constexpr int classRefreshMilliseconds = 3000;

class ClassOverviewWindow : public QWidget {
public:
    explicit ClassOverviewWindow(const QString& folder, QWidget* parent = nullptr);

    // Reads what the logs gained and shows it; now: the clock for the flags.
    void refresh(std::int64_t now);
    QTableWidget* pupilTable() const { return pupils_; }
    QTableWidget* questionTable() const { return questions_; }
    // The two tables as a document, for printing.
    QString printedHtml() const;

private:
    void showPupils(std::int64_t now);
    void showQuestions();
    void print();

    ClassOverview overview_;
    QTableWidget* pupils_;
    QTableWidget* questions_;
    QLabel* status_;
    QTimer timer_;
};

}  // namespace talvoren::ui
