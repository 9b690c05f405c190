// SPDX-License-Identifier: GPL-3.0-or-later
// The skill bars: the records dialog shows the mastery kept in the record
// file, every skill, a mastered one marked; the practice shows only its unit's.
#include <QProgressBar>
#include <gtest/gtest.h>

#include "courseware/mastery_store.h"
#include "courseware/records.h"
#include "dialogs_support.h"
#include "ui/frm_kiroku.h"
#include "ui/skill_bars.h"

namespace talvoren::ui {
namespace {

TEST(SkillBars, RecordsDialogShowsTheKeptMastery) {
    test::DialogSession session;
    test::ScratchDir dir;
    PracticeRecords records{dir.dir(), session.sink};
    ASSERT_TRUE(session.load(test::unitLines("単元１", {"-2x<6"})));
    Mastery kept;
    for (int i = 0; i < 6; ++i) kept.observeStep(*parseSkillList("向きが変わる"), true);
    kept.observeStep(*parseSkillList("かっこ"), true);
    std::string error;
    ASSERT_TRUE(saveMastery(records.path(), kept, error)) << error;

    TfrmDelete deletion{records, session.s, session.sink};
    TfrmKiroku kiroku{records, session.s, deletion};
    kiroku.show();
    const QProgressBar* reversal = kiroku.skillBars->bar(Skill::reversal);
    EXPECT_EQ(reversal->value(), 100);
    EXPECT_EQ(reversal->format(), QStringLiteral("★ 身についた"));
    EXPECT_EQ(kiroku.skillBars->bar(Skill::brackets)->value(), static_cast<int>(kept.of(Skill::brackets) * 100 + 0.5));
    EXPECT_FALSE(kiroku.skillBars->bar(Skill::fraction)->isHidden());
}

TEST(SkillBars, PracticeShowsOnlyItsSkills) {
    SkillBars bars;
    bars.showMastery(Mastery{}, *parseSkillList("分数,小数"));
    EXPECT_FALSE(bars.bar(Skill::fraction)->isHidden());
    EXPECT_TRUE(bars.bar(Skill::brackets)->isHidden());
    EXPECT_EQ(bars.bar(Skill::decimal)->value(), 10);
}

}  // namespace
}  // namespace talvoren::ui
