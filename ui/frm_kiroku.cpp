// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_kiroku.h"

#include "courseware/mastery_store.h"
#include "ui/skill_bars.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "courseware/records.h"
#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

void fillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines) list->addItem(QString::fromStdString(line));
}

}  // namespace

TfrmDelete::TfrmDelete(PracticeRecords& records, const CoursewareState& s, MessageSink& messages,
                       QWidget* parent)
    : QDialog(parent), s_(s), deletion_(records, messages) {
    setWindowTitle(QStringLiteral("記録消去"));
    setFixedSize(360, 330);
    setFont(pixelFont(facePGothic, 14));

    pnlGuide = new QLabel(QStringLiteral("消去する項目を選んで［消去］ボタンをクリックしてください"), this);
    pnlGuide->setWordWrap(true);
    pnlGuide->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlGuide->setAlignment(Qt::AlignCenter);
    pnlGuide->setGeometry(8, 8, 344, 44);

    lstTitle = new QListWidget(this);
    lstTitle->setGeometry(8, 60, 344, 210);

    btnDeleteOne = new QPushButton(QStringLiteral("消去"), this);
    btnDeleteOne->setGeometry(60, 282, 100, 34);
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setGeometry(200, 282, 100, 34);

    connect(lstTitle, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = lstTitle->selectedItems();
        deletion_.choose(selected.isEmpty() ? -1 : lstTitle->row(selected.first()));
    });
    connect(btnDeleteOne, &QPushButton::clicked, this, [this] { btnDeleteOneClick(); });
    connect(btnClose, &QPushButton::clicked, this, &TfrmDelete::reject);
}

void TfrmDelete::formShow() {
    deletion_.start(s_);
    showTitles();
}

void TfrmDelete::showTitles() {
    fillList(lstTitle, deletion_.titles());
    lstTitle->setCurrentItem(nullptr);  // no entry stands ready for the next press
}

void TfrmDelete::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) formShow();  // not on a restore from minimised
    QDialog::showEvent(event);
}

void TfrmDelete::btnDeleteOneClick() {
    if (deletion_.deleteOne()) showTitles();
}

void TfrmDelete::reject() { done(deletion_.recordsDeleted() ? Accepted : Rejected); }

TfrmKiroku::TfrmKiroku(PracticeRecords& records, const CoursewareState& s, TfrmDelete& deletion,
                       QWidget* parent)
    : QDialog(parent), records_(records), s_(s), deletion_(deletion) {
    setWindowTitle(QStringLiteral("練習の記録"));
    // Low and narrow enough for a 640 x 480 screen, so that both buttons and
    // the skill bars stay in view there.
    setFixedSize(620, 420);
    setFont(pixelFont(facePGothic, 14));

    lstTitle = new QListWidget(this);
    lstTitle->setFont(pixelFont(faceGothic, 16));
    lstTitle->setGeometry(8, 8, 384, 354);

    // The mastery of もっと練習, skill by skill, beside the counts.
    skillBars = new SkillBars(this);
    skillBars->setGeometry(396, 8, 220, 354);

    btnDelete = new QPushButton(QStringLiteral("記録消去"), this);
    btnDelete->setGeometry(80, 372, 100, 34);
    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setGeometry(220, 372, 100, 34);

    connect(btnDelete, &QPushButton::clicked, this, [this] { btnDeleteClick(); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmKiroku::showListing() {
    fillList(lstTitle, records_.listing(s_));
    skillBars->showMastery(loadMastery(masteryPath_ ? masteryPath_() : records_.path()), SkillSet{}.set());
}

void TfrmKiroku::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) showListing();  // not on a restore from minimised
    QDialog::showEvent(event);
}

void TfrmKiroku::btnDeleteClick() {
    if (deletion_.exec() == QDialog::Accepted) showListing();
}

}  // namespace talvoren::ui
