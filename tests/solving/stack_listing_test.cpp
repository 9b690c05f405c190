// SPDX-License-Identifier: GPL-3.0-or-later
#include "solving/stack_listing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/question_parser.h"
#include "fakes.h"

namespace talvoren::testing {
namespace {

TEST(StackListing, CaptionCellsAndLabelPerLine) {
    Session s;
    s.start("2x+1<5");
    EXPECT_EQ(stackListing(s.core, s.ws.state().lineCount),
              (std::vector<std::string>{"（1） 次の不等式を解きなさい", "2x1  ", "1/1  ", "0<1  ", "5/1  ",
                                        "--------------------①"}));
}

TEST(StackListing, SignsFractionsAndParserRelations) {
    Session s;
    ASSERT_TRUE(parseQuestion(s.core, 1, "-x<=-3/4"));
    EXPECT_EQ(stackListing(s.core, 1),
              (std::vector<std::string>{"", "-1x1  ", "0ﾋ0  ", "-3/4  ", "--------------------①"}));
}

TEST(StackListing, LinesThirteenAndFourteenHaveTheirLabels) {
    Session s;
    s.core.lines[13] = lineOf({term(1), relation(CellKind::less), constant(2)});
    const auto entries = stackListing(s.core, 14);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "--------------------⑫"), 1);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "--------------------⑬"), 1);
    EXPECT_EQ(entries.back(), "--------------------⑭");
}

TEST(StackListing, EmptyPageListsNothingAndTheAnswerLineNever) {
    Session s;
    s.core.answerLine() = lineOf({term(1), relation(CellKind::less), constant(2)});
    EXPECT_TRUE(stackListing(s.core, 0).empty());
    EXPECT_EQ(stackListing(s.core, 40).size(), 15u * 2);  // lines 1..15, empty: caption and hyphens
}

}  // namespace
}  // namespace talvoren::testing
