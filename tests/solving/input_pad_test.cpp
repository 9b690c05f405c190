// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/input_pad.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "solving/operations.h"

namespace talvoren::testing {
namespace {

// Line ① chosen for ×, then the keys.
struct KeysCase {
    const char* name;
    std::vector<std::string> keys;
    const char* panel;
    const char* description;
    int stepState;
    bool jikkou;
};

void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.name; }

class PadKeys : public ::testing::TestWithParam<KeysCase> {};

TEST_P(PadKeys, ComposePanelAndDescription) {
    const KeysCase& c = GetParam();
    Session s;
    s.start("2x+3<5");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::multiply);
    setShown(s.ws, [](PageModel& shown) { shown.jikkouEnabled = false; });  // to see which keys enable it
    for (const std::string& key : c.keys) {
        if (key == "-")
            minusKey(s.ws);
        else
            padKey(s.ws, key);
    }
    EXPECT_EQ(s.ws.panel(), c.panel);
    EXPECT_EQ(s.ws.description(), c.description);
    EXPECT_EQ(stateNumbers(s.ws.state().step).stepState, c.stepState);
    EXPECT_EQ(s.ws.jikkouEnabled(), c.jikkou);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PadKeys,
    ::testing::Values(
        KeysCase{"Fraction", {"3", "分の", "2"}, "3分の2", "①式×3分の2", 3, true},
        KeysCase{"SecondFractionIgnored", {"3", "分の", "分の", "2"}, "3分の2", "①式×3分の2", 3, true},
        KeysCase{"SecondPointIgnored", {"1", ".", "5", "分の", "2", "."}, "1.5分の2", "①式×1.5分の2", 3, true},
        KeysCase{"LetterOnce", {"2", "x", "x"}, "2x", "①式×2x", 3, true},
        KeysCase{"MinusKeepsTheStep", {"-"}, "-", "①式×(-)", 2, false},
        KeysCase{"MinusThenNumber", {"-", "5"}, "-5", "①式×(-5)", 3, true},
        KeysCase{"MinusOnlyFirst", {"1", "-"}, "1", "①式×1", 3, true},
        KeysCase{"ClearNegative", {"-", "5", "CL"}, "", "①式×", 3, true},
        KeysCase{"ClearDigits", {"1", "2", "CL"}, "", "①式×", 3, true},
        KeysCase{"ClearEmpty", {"CL"}, "", "①式×", 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PadKeys, MinusNotFirstIsRefused) {
    Session s;
    s.start("2x+3<5");
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::multiply);
    padKey(s.ws, "1");
    minusKey(s.ws);
    keyTyped(s.ws, U'-');
    EXPECT_EQ(s.sink.messages, (std::vector<std::string>{"－の位置が間違っています", "－の位置が間違っています"}));
    EXPECT_EQ(s.ws.panel(), "1");
}

// In code page 932 the circled numbers ②..⑫ end in the bytes of A..K: the
// description line is searched by character, so the letter is still typed.
class LetterAfterLabel : public ::testing::TestWithParam<int> {};

TEST_P(LetterAfterLabel, IsTyped) {
    const int line = GetParam();
    const char letter = static_cast<char>('A' + line - 2);
    Session s;
    s.start(std::string("2") + letter + "+3<5");
    for (int n = 2; n <= line; ++n) s.core.lines[static_cast<std::size_t>(n)] = s.core.lines[1];
    setState(s.ws, [&](WorksheetState& w) { w.lineCount = line; });
    s.ws.selectLine(line);
    s.ws.chooseOperation(OpCode::add);
    letterKey(s.ws);
    EXPECT_EQ(s.ws.panel(), std::string(1, letter));
    padKey(s.ws, "分の");
    padKey(s.ws, ".");
    EXPECT_EQ(s.ws.panel(), std::string(1, letter) + "分の.");
}

INSTANTIATE_TEST_SUITE_P(CircledNumbers, LetterAfterLabel, ::testing::Range(2, 13));

TEST(BracketCheck, CollectAndTransposeRefuseBracketedLines) {
    Session s;
    s.start("2(x+1)<4");
    s.ws.selectLine(1);
    chooseCollect(s.ws);
    chooseTranspose(s.ws);
    keyTyped(s.ws, U's');
    keyTyped(s.ws, U'I');
    EXPECT_EQ(s.sink.messages,
              (std::vector<std::string>{"かっこをはずしてから整理してください", "かっこをはずしてから移項してください",
                                        "かっこをはずしてから整理してください",
                                        "かっこをはずしてから移項してください"}));
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, 1);
    EXPECT_FALSE(s.ws.jikkouEnabled());
    operationButtonClick(s.ws, OpCode::removeBrackets);
    EXPECT_EQ(s.ws.state().opCode, OpCode::removeBrackets);
}

TEST(BracketCheck, CornerBracketsAreBrackets) {
    Session s;
    s.start("2｢x+1｣<4");
    s.ws.selectLine(1);
    chooseCollect(s.ws);
    EXPECT_EQ(s.sink.messages, std::vector<std::string>{"かっこをはずしてから整理してください"});
}

TEST(BracketCheck, RefusedChoiceStillEnablesExecute) {
    Session s;
    s.start("2x+3<5");
    chooseTranspose(s.ws);  // no line selected
    EXPECT_EQ(s.sink.messages, std::vector<std::string>{std::string(wrongOperationMessage)});
    EXPECT_TRUE(s.ws.jikkouEnabled());
    s.ws.execute();
    EXPECT_EQ(s.sink.messages.size(), 2u);
    EXPECT_EQ(s.ws.state().lineCount, 1);
}

// Character keys by the worksheet's state.
struct CharCase {
    const char* name;
    int setUp;  // 0 Idle, 1 a line selected, 2 × chosen, 3 ＋ with a second line
    char32_t key;
    int selectState, stepState;
    char opCode;
    const char* panel;
};

void PrintTo(const CharCase& c, std::ostream* os) { *os << c.name; }

class CharacterKeys : public ::testing::TestWithParam<CharCase> {};

TEST_P(CharacterKeys, MapToTheButtons) {
    const CharCase& c = GetParam();
    Session s;
    s.start("2x+3<5");
    for (int n = 2; n <= 10; ++n) s.core.lines[static_cast<std::size_t>(n)] = s.core.lines[1];
    setState(s.ws, [&](WorksheetState& w) { w.lineCount = 10; });
    if (c.setUp >= 1) s.ws.selectLine(1);
    if (c.setUp == 2) s.ws.chooseOperation(OpCode::multiply);
    if (c.setUp == 3) {
        s.ws.chooseOperation(OpCode::add);
        s.ws.selectLine(2);
    }
    keyTyped(s.ws, c.key);
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, c.selectState);
    EXPECT_EQ(stateNumbers(s.ws.state().step).stepState, c.stepState);
    if (c.opCode) {
        EXPECT_EQ(static_cast<char>(s.ws.state().opCode), c.opCode);  // the code the state line shows
    }
    EXPECT_EQ(s.ws.panel(), c.panel);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CharacterKeys,
    ::testing::Values(CharCase{"DigitSelectsLine", 0, U'3', 1, 1, 0, ""},
                      CharCase{"ZeroSelectsLineTen", 0, U'0', 1, 1, 0, ""},
                      CharCase{"OperationKeyInIdleIgnored", 0, U'*', 0, 0, '?', ""},
                      CharCase{"Multiply", 1, U'*', 2, 2, '*', ""}, CharCase{"Divide", 1, U'/', 2, 2, '/', ""},
                      CharCase{"Add", 1, U'+', 2, 2, '+', ""}, CharCase{"Subtract", 1, U'-', 2, 2, '-', ""},
                      CharCase{"CollectUpper", 1, U'S', 2, 2, 'S', ""},
                      CharCase{"CollectLower", 1, U's', 2, 2, 'S', ""},
                      CharCase{"TransposeUpper", 1, U'I', 2, 2, 'I', ""},
                      CharCase{"TransposeLower", 1, U'i', 2, 2, 'I', ""},
                      CharCase{"BracketsUpper", 1, U'K', 2, 2, 'K', ""},
                      CharCase{"BracketsLower", 1, U'k', 2, 2, 'K', ""},
                      CharCase{"DigitWhileLineChosenIgnored", 1, U'4', 1, 1, 0, ""},
                      CharCase{"Digit", 2, U'7', 2, 3, '*', "7"}, CharCase{"Point", 2, U'.', 2, 3, '*', "."},
                      CharCase{"Minus", 2, U'-', 2, 2, '*', "-"},
                      CharCase{"FractionUpper", 2, U'B', 2, 3, '*', "分の"},
                      CharCase{"FractionLower", 2, U'b', 2, 3, '*', "分の"},
                      CharCase{"Letter", 2, U'x', 2, 3, '*', "x"},
                      CharCase{"LetterIsCaseSensitive", 2, U'X', 2, 2, '*', ""},
                      CharCase{"OtherCharacterIgnored", 2, U'q', 2, 2, '*', ""},
                      CharCase{"SecondLineTakesNothing", 3, U'5', 3, 1, '+', ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyDown, ShiftSelectsTheNewestLineInIdleOnly) {
    Session s;
    s.start("2x+3<5");
    s.core.lines[2] = s.core.lines[1];
    setState(s.ws, [&](WorksheetState& w) { w.lineCount = 2; });
    keyPressed(s.ws, KeyCode::shift, true);
    EXPECT_EQ(s.ws.state().firstLine, 2);
    keyPressed(s.ws, KeyCode::shift, true);
    EXPECT_EQ(stateNumbers(s.ws.state().step).selectState, 1);
    EXPECT_TRUE(s.sink.messages.empty());
    // Shift held with Enter while nothing is selected only selects
    s.ws.correct();
    keyPressed(s.ws, KeyCode::enter, true);
    EXPECT_EQ(s.ws.state().firstLine, 2);
    EXPECT_TRUE(s.sink.messages.empty());
}

TEST(KeyDown, EnterEscapeDelete) {
    Session s;
    s.start("2x+3<5");
    keyPressed(s.ws, KeyCode::enter, false);
    EXPECT_EQ(s.sink.messages, std::vector<std::string>{std::string(wrongOperationMessage)});
    s.ws.selectLine(1);
    s.ws.chooseOperation(OpCode::subtract);
    padKey(s.ws, "3");
    keyPressed(s.ws, KeyCode::deleteKey, false);
    EXPECT_EQ(s.ws.panel(), "");
    EXPECT_EQ(s.ws.description(), "①式－");
    padKey(s.ws, "3");
    keyPressed(s.ws, KeyCode::enter, false);
    EXPECT_EQ(s.ws.state().lineCount, 2);
    keyPressed(s.ws, KeyCode::escape, false);
    EXPECT_EQ(s.ws.state().lineCount, 1);
    keyPressed(s.ws, KeyCode::other, false);
    EXPECT_EQ(s.ws.state().lineCount, 1);
}

TEST(KeyDown, EnterOnASolvedPageIsTheNextQuestionButtons) {
    Session s;
    s.start("x+1<3");
    for (OpCode op : {OpCode::transpose, OpCode::collect}) {
        s.ws.selectLine(s.ws.state().lineCount);
        operationButtonClick(s.ws, op);
        EXPECT_EQ(keyPressed(s.ws, KeyCode::enter, false), KeyAction::none);
    }
    ASSERT_TRUE(s.ws.state().solvedFlag);
    s.sink.messages.clear();
    EXPECT_EQ(keyPressed(s.ws, KeyCode::enter, false), KeyAction::nextQuestion);
    EXPECT_TRUE(s.sink.messages.empty());  // not 操作が誤りです
    EXPECT_EQ(s.ws.state().lineCount, 3);
    EXPECT_EQ(keyPressed(s.ws, KeyCode::escape, false), KeyAction::none);
    EXPECT_EQ(s.ws.state().lineCount, 3);
}

}  // namespace
}  // namespace talvoren::testing
