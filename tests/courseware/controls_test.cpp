// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "courseware/sequencing.h"
#include "solving/hints.h"
#include "solving/silent_session.h"
#include "support.h"

namespace talvoren {
namespace {

class CancelledUnitDialog : public UnitDialog {
public:
    bool showModal() override {
        ++shown;
        return false;
    }
    int shown = 0;
};

// A page of one question, 2x+3<5, clicked through the control table.
class ControlTable : public ::testing::Test {
protected:
    ControlTable() {
        test::writeBytes(dir.file("set.ine"), test::cp932("<<一\r\n2x+3<5\r\nx+1<3\r\n>>\r\n"));
        EXPECT_EQ(sequencing.loadQuestionSet(dir.file("set.ine")), LoadOutcome::started);
        sink.shown.clear();
    }

    // Clicks by the controls' names, as the driver's scripts do.
    void clickAll(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            const std::optional<Control> control = controlNamed(name);
            EXPECT_TRUE(control) << name;
            if (control) controls.click(*control);
        }
    }
    bool enabled(const std::string& name) const {
        const std::optional<Control> control = controlNamed(name);
        return control && controls.enabled(*control);
    }

    test::ScratchDir dir;
    test::RecordingSink sink;
    CoreState core{sink};
    CoursewareState s;
    SilentPage page;
    Worksheet worksheet{core, page};
    HintCoach coach{worksheet};
    CancelledUnitDialog dialog;
    PracticeRecords records{dir.dir(), sink};
    Sequencing sequencing{s, worksheet, dialog, records};
    bool answerBoxShown = false;
    Controls controls{{worksheet, coach, sequencing, [this] { return answerBoxShown; }}};
};

struct EnabledCase {
    const char* name;
    std::vector<std::string> before;  // clicks that set the page up
    bool answerBoxShown;
    std::string control;
    bool enabled;
};

class Enabled : public ControlTable, public ::testing::WithParamInterface<EnabledCase> {};

TEST_P(Enabled, FollowsWhatThePageShows) {
    const EnabledCase& c = GetParam();
    answerBoxShown = c.answerBoxShown;
    clickAll(c.before);
    EXPECT_EQ(enabled(c.control), c.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Enabled,
    ::testing::Values(EnabledCase{"JikkouOffInIdle", {}, false, "btnJikkou", false},
                      EnabledCase{"JikkouOnOnceAnOperationIsChosen", {"btnShiki1", "btnKake"}, false, "btnJikkou", true},
                      EnabledCase{"LineButtonOfTheQuestion", {}, false, "btnShiki1", true},
                      EnabledCase{"LineButtonOfALineNotYetMade", {}, false, "btnShiki2", false},
                      EnabledCase{"LineButtonOfANewLine", {"btnShiki1", "btnIkou", "btnJikkou"}, false, "btnShiki2", true},
                      EnabledCase{"HintOnWhileWorking", {}, false, "btnHint", true},
                      EnabledCase{"AnswerBoxHidden", {}, false, "grbKai", false},
                      EnabledCase{"AnswerImageHidden", {}, false, "Image16", false},
                      EnabledCase{"AnswerBoxShown", {}, true, "grbKai", true},
                      EnabledCase{"LineImagesAlwaysTakeClicks", {}, false, "Image14", true},
                      EnabledCase{"PadKeysAlwaysTakeClicks", {}, false, "btn7", true},
                      EnabledCase{"CorrectionAlwaysTakesClicks", {}, false, "btnTeisei", true},
                      EnabledCase{"UnitButtonAlwaysTakesClicks", {}, false, "BitBtn1", true},
                      EnabledCase{"NoSuchControl", {}, true, "btnKiroku", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlTable, ADisabledJikkouTakesNoClickWhereTheHandlerWouldRefuse) {
    clickAll({"btnJikkou"});
    EXPECT_TRUE(sink.shown.empty());
    worksheet.execute();
    EXPECT_EQ(sink.shown, std::vector<std::string>{std::string(wrongOperationMessage)});
}

TEST_F(ControlTable, ADisabledLineButtonSelectsNothing) {
    clickAll({"btnShiki2"});
    EXPECT_EQ(worksheet.description(), "式を指定してください");
    clickAll({"btnShiki1"});
    EXPECT_EQ(worksheet.description(), "①式");
}

TEST_F(ControlTable, AStepClickedThroughTheTableSolvesTheQuestion) {
    clickAll({"btnShiki1", "btnIkou", "btnJikkou", "btnShiki2", "btnSeiri", "btnJikkou",
              "btnShiki3", "btnWaru", "btn2", "btnJikkou"});
    EXPECT_TRUE(worksheet.state().solvedFlag);
    EXPECT_FALSE(enabled("btnHint"));
}

TEST_F(ControlTable, TheAnswerBoxMovesOnOnlyWhileShown) {
    clickAll({"grbKai"});
    EXPECT_EQ(core.lines[1].caption, "（1） 次の不等式を解きなさい");
    EXPECT_TRUE(sink.shown.empty());
    answerBoxShown = true;
    sink.answers.push_back(Answer::yes);  // move on before solving
    clickAll({"Image16"});
    EXPECT_EQ(core.lines[1].caption, "（2） 次の不等式を解きなさい");
}

TEST_F(ControlTable, TheUnitButtonOpensTheUnitDialog) {
    clickAll({"BitBtn1"});
    EXPECT_EQ(dialog.shown, 1);
}

TEST_F(ControlTable, AnUnknownNameIsNoControl) {
    for (const char* name : {"btnKiroku", "btnShiki13", "Image15", ""}) EXPECT_FALSE(controlNamed(name)) << name;
    for (const Control control : allControls()) EXPECT_EQ(controlNamed(controlName(control)), control);
}

}  // namespace
}  // namespace talvoren
