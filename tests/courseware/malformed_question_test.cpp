// SPDX-License-Identifier: GPL-3.0-or-later
// A malformed question is refused wherever a set is read: by the editor's
// check, at start-up and when a set is opened, each time naming its line and
// the reason.
#include <gtest/gtest.h>

#include "core/malformed_questions.h"
#include "courseware/check.h"
#include "courseware/sequencing.h"
#include "solving/silent_session.h"
#include "support.h"

namespace talvoren {
namespace {

class NoDialog : public UnitDialog {
public:
    bool showModal() override { return false; }
};

class MalformedSet : public ::testing::TestWithParam<test::MalformedQuestion> {
protected:
    // The malformed question is the second of its unit, on line 3.
    std::vector<std::string> text() const { return {"<<一", "x<1", GetParam().text, ">>"}; }

    test::ScratchDir dir;
    test::RecordingSink sink;
    CoreState core{sink};
    CoursewareState s;
    SilentPage page;
    Worksheet worksheet{core, page};
    NoDialog dialog;
    PracticeRecords records{dir.dir(), sink, [] { return LocalTime{2026, 12, 7, 9, 5}; }};
    Sequencing sequencing{s, worksheet, dialog, records};
};

TEST_P(MalformedSet, IsRefusedByTheCheckWithItsLineAndReason) {
    s.setText(text());
    CheckVerdict verdict;
    EXPECT_FALSE(checkQuestionSet(s, core, verdict));
    ASSERT_EQ(verdict.faultyQuestions.size(), 1u);
    const std::string& entry = verdict.faultyQuestions[0];
    EXPECT_TRUE(entry.starts_with("「一」3行目 " + GetParam().text + "：")) << entry;
    EXPECT_TRUE(entry.ends_with(GetParam().why)) << entry;
}

TEST_P(MalformedSet, IsRefusedWhenASetIsLoaded) {
    const std::string path = dir.file("set.ine");
    std::string bytes;
    for (const std::string& line : text()) bytes += line + "\r\n";
    test::writeBytes(path, test::cp932(bytes));
    ASSERT_EQ(sequencing.loadQuestionSet(path), LoadOutcome::invalid);
    const std::string said = sequencing.invalidSetText(path);
    EXPECT_TRUE(said.starts_with(path + ":3行目:問題が不正です（" + GetParam().text + "：")) << said;
    EXPECT_TRUE(said.ends_with(GetParam().why + "）")) << said;
    // Nothing was shown on the way: the one message is the caller's.
    EXPECT_TRUE(sink.shown.empty());
}

TEST_P(MalformedSet, EndsTheStartUpNamingTheQuestion) {
    const auto fatal = sequencing.startUpWithText(text());
    ASSERT_TRUE(fatal.has_value());
    EXPECT_TRUE(fatal->ends_with(GetParam().why + "）")) << *fatal;
}

INSTANTIATE_TEST_SUITE_P(Courseware, MalformedSet, ::testing::ValuesIn(test::malformedQuestions()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace talvoren
