// SPDX-License-Identifier: GPL-3.0-or-later
// クラスの記録: what the teacher's window shows of a records folder, how it
// sorts, and that a refresh picks up a line a pupil has just added.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "courseware/class_log.h"
#include "ui/class_overview_window.h"

namespace talvoren::ui {
namespace {

void logEvent(const QTemporaryDir& dir, const std::string& pupil, std::int64_t time, EventKind kind, int steps = 0) {
    ClassEvent e;
    e.pupil = pupil;
    e.time = time;
    e.kind = kind;
    e.set = "Question.ine";
    e.unit = 1;
    e.question = 1;
    e.questionText = "2x<4";
    e.steps = steps;
    e.shortest = steps ? 1 : 0;
    std::string error;
    ASSERT_TRUE(appendClassEvent(dir.path().toStdString(), e, error)) << error;
}

TEST(ClassOverviewWindow, ShowsFlagsSortsByNumberAndRefreshes) {
    QTemporaryDir dir;
    const struct {
        const char* pupil;
        std::vector<std::pair<std::int64_t, EventKind>> events;
    } pupils[] = {
        {"青木", {{0, EventKind::start}, {60, EventKind::detour}, {170, EventKind::refused}}},  // stuck at 180
        {"井上", {{100, EventKind::start}, {170, EventKind::step}}},
    };
    for (const auto& p : pupils)
        for (const auto& [time, kind] : p.events) logEvent(dir, p.pupil, time, kind);
    ClassOverviewWindow window(dir.path());
    window.refresh(180);
    QTableWidget* table = window.pupilTable();
    ASSERT_EQ(table->rowCount(), 2);
    table->sortItems(0);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("井上"));
    EXPECT_EQ(table->item(0, 6)->text(), QString());
    EXPECT_EQ(table->item(1, 6)->text(), QString::fromStdString(std::string(pupilFlagReason(PupilFlag::stuck))));

    logEvent(dir, "井上", 175, EventKind::solved, 1);
    logEvent(dir, "井上", 176, EventKind::start);
    window.refresh(180);
    table->sortItems(1, Qt::DescendingOrder);  // solved, as a number
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("井上"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(window.questionTable()->item(0, 2)->text(), QStringLiteral("1"));
    EXPECT_TRUE(window.printedHtml().contains(QStringLiteral("青木")));
}

}  // namespace
}  // namespace talvoren::ui
