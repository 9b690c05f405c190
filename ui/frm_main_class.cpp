// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's part in a class's records: the pupil practising, named in the
// title bar, their log in the records folder, and 記録 → クラスの記録.
#include <QInputDialog>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include "courseware/class_log.h"
#include "courseware/practice_log.h"
#include "ui/application.h"
#include "ui/class_overview_window.h"
#include "ui/frm_main.h"
#include "ui/message_box.h"

namespace talvoren::ui {

namespace {

// How often the log writes what the pupil's last action settled (a hint
// given, a question put on the page).
constexpr int logSettleMilliseconds = 500;

}  // namespace

std::string TfrmMain::choosePupil(const std::string& folder) {
    QStringList names;
    for (const std::string& name : classPupils(folder)) names << QString::fromStdString(name);
    for (;;) {
        bool ok = false;
        const QString chosen = QInputDialog::getItem(
            this, QStringLiteral("だれが練習しますか"),
            QStringLiteral("自分の名前（または出席番号）を選んでください。\nはじめての人は、名前を入れてください。"), names,
            0, true, &ok);
        if (!ok) return "";
        const std::string name = chosen.trimmed().toStdString();
        const auto problem = pupilNameProblem(name);
        if (!problem) return name;
        messages_.showMessage(*problem);
    }
}

void TfrmMain::startPupilLog(const std::string& folder, std::string pupil) {
    if (pupil.empty()) pupil = choosePupil(folder);
    if (const auto problem = pupilNameProblem(pupil)) {
        if (!pupil.empty()) messages_.showMessage(*problem);
        messages_.showMessage("名前が決まらなかったので、今回の練習はクラスの記録に残りません");
        return;
    }
    practiceLog_ = std::make_unique<PracticeLog>(*worksheet_, *coach_, courseware_, messages_);
    practiceLog_->setFolder(folder);
    practiceLog_->setPupil(pupil);
    // A refused step's event carries the message the pupil was shown.
    if (ownMessages_) {
        auto before = ownMessages_->onShown;
        ownMessages_->onShown = [this, before](const std::string& text) {
            if (before) before(text);
            practiceLog_->messageShown(text);
        };
    }
    setWindowTitle(applicationTitle + QStringLiteral(" — ") + QString::fromStdString(pupil));

    auto* settle = new QTimer(this);
    connect(settle, &QTimer::timeout, this, [this] { practiceLog_->actionDone(); });
    settle->start(logSettleMilliseconds);

    QMenu* records = menuBar()->addMenu(QStringLiteral("記録(&K)"));
    QAction* overview = records->addAction(QStringLiteral("クラスの記録(&C)"));
    overview->setObjectName(QStringLiteral("mnuClassRecords"));
    const QString shownFolder = QString::fromStdString(folder);
    connect(overview, &QAction::triggered, this, [this, shownFolder] {
        auto* window = new ClassOverviewWindow(shownFolder, this);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(size());
        window->show();
    });
}

}  // namespace talvoren::ui
