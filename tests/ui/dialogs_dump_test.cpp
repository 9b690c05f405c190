// SPDX-License-Identifier: GPL-3.0-or-later
// The stack listing dialog.
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include "core/question_parser.h"
#include "solving/stack_listing.h"
#include "ui/frm_dump.h"
#include "dialogs_support.h"

namespace talvoren::ui {
namespace {

using test::items;

TEST(StackListing, ListsTheCellsOfTheQuestionLine) {
    test::DialogSession session;
    int lineCount = 0;
    TfrmDump dump([&] { return stackListing(session.core, lineCount); });
    dump.show();
    EXPECT_EQ(dump.lstDump->count(), 0) << "no question on the page";
    dump.hide();

    ASSERT_TRUE(parseQuestion(session.core, 1, "2x+1<5"));
    session.core.lines[1].caption = "（1） 次の不等式を解きなさい";
    lineCount = 1;
    dump.show();  // refilled at every showing
    EXPECT_EQ(items(*dump.lstDump),
              (QStringList{QStringLiteral("（1） 次の不等式を解きなさい"), QStringLiteral("2x1  "),
                           QStringLiteral("1/1  "), QStringLiteral("0<1  "), QStringLiteral("5/1  "),
                           QStringLiteral("--------------------①")}));
    EXPECT_EQ(dump.lstDump->visualItemRect(dump.lstDump->item(1)).height(), 12) << "the item height";
    dump.btnClose->click();
    EXPECT_FALSE(dump.isVisible());
}

}  // namespace
}  // namespace talvoren::ui
