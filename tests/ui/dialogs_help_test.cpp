// SPDX-License-Identifier: GPL-3.0-or-later
// The help window and the version dialog.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include "ui/frm_version.h"
#include "ui/help_viewer.h"

namespace talvoren::ui {
namespace {

struct AnchorCase {
    const char* name;
    int context;
    const char* anchor;
};

class HelpAnchorTest : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(HelpAnchorTest, ContextNumberNamesItsPlaceInTheDocument) {
    EXPECT_EQ(helpAnchor(GetParam().context), QString::fromLatin1(GetParam().anchor));
    EXPECT_EQ(helpUrl(GetParam().context).fragment(), QString::fromLatin1(GetParam().anchor));
}

INSTANTIATE_TEST_SUITE_P(Table, HelpAnchorTest,
                         ::testing::Values(AnchorCase{"contents", helpContents, "contents"},
                                           AnchorCase{"point", helpPoint, "point"},
                                           AnchorCase{"frame", helpFrame, "frame"},
                                           AnchorCase{"unknownGoesToContents", 999, "contents"}),
                         [](const auto& info) { return std::string(info.param.name); });

QString helpDocument() {
    HelpViewer viewer;  // registers the document
    QFile file(QStringLiteral(":/help/talvoren.html"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

TEST(HelpDocument, IsBuiltInAndHoldsEveryAnchorOfTheTable) {
    const QString document = helpDocument();
    ASSERT_FALSE(document.isEmpty());
    for (int context : {helpContents, helpPoint, helpFrame})
        EXPECT_TRUE(document.contains(QStringLiteral("name=\"%1\"").arg(helpAnchor(context))))
            << helpAnchor(context).toStdString();
}

TEST(HelpDocument, ExplainsTheOperationsNumbersAndTheTurnedSign) {
    const QString document = helpDocument();
    for (const char* topic : {"3分の2", "負の数", "実行", "訂正", "解なし", "解は無数にある", "単元選択",
                              "練習の記録", "エラーチェック", "保存", "印刷", "移項", "整理", "かっこ",
                              "不等号の向きが変わる"})
        EXPECT_TRUE(document.contains(QString::fromUtf8(topic))) << topic;
}

TEST(HelpViewer, OpensAtTheRequestedPlace) {
    HelpViewer viewer;
    viewer.showContext(helpPoint);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.browser()->source().fragment(), QStringLiteral("point"));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QStringLiteral("ポイント：不等式の解き方")));
    viewer.showContext(helpContents);
    EXPECT_EQ(viewer.browser()->source().fragment(), QStringLiteral("contents"));
    EXPECT_TRUE(viewer.browser()->isBackwardAvailable());
}

TEST(Version, ShowsTitleVersionAndClosesWithItsButton) {
    TfrmVersion version;
    EXPECT_EQ(version.windowTitle(), QStringLiteral("バージョン情報"));
    EXPECT_EQ(version.size(), QSize(448, 351));
    EXPECT_EQ(version.lblTitle->text(), QStringLiteral("Merulan Talvoren"));
    EXPECT_TRUE(version.lblVersion->text().startsWith(QStringLiteral("バージョン ")));
    EXPECT_EQ(version.btnClose->text(), QStringLiteral("閉じる"));
    version.show();
    version.btnClose->click();
    EXPECT_FALSE(version.isVisible());
    EXPECT_EQ(version.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace talvoren::ui
