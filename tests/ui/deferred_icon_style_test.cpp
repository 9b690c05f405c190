// SPDX-License-Identifier: GPL-3.0-or-later
// The application's style draws what its base style draws: the standard
// pictures it hands out late and the group box frames it reads itself.

#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "ui/deferred_icon_style.h"
#include "ui/fonts.h"

namespace talvoren::ui {
namespace {

struct Styles {
    std::unique_ptr<QStyle> base{QStyleFactory::create(QStringLiteral("Fusion"))};
    std::unique_ptr<QStyle> deferred{new DeferredIconStyle(QStyleFactory::create(QStringLiteral("Fusion")))};
};

TEST(DeferredIconStyle, StandardPicturesAreTheBaseStyles) {
    struct Case {
        const char* name;
        QStyle::StandardPixmap which;
    };
    const std::vector<Case> cases = {
        {"window menu (drawn when a page window is made)", QStyle::SP_TitleBarMenuButton},
        {"minimise", QStyle::SP_TitleBarMinButton},
        {"maximise (read from files)", QStyle::SP_TitleBarMaxButton},
        {"close", QStyle::SP_TitleBarCloseButton},
        {"restore", QStyle::SP_TitleBarNormalButton},
        {"menu bar overflow (read from files)", QStyle::SP_ToolBarHorizontalExtensionButton},
        {"message box warning", QStyle::SP_MessageBoxWarning},
        {"dialog OK button", QStyle::SP_DialogOkButton},
    };
    Styles styles;
    for (const Case& tc : cases) {
        const QIcon base = styles.base->standardIcon(tc.which);
        const QIcon deferred = styles.deferred->standardIcon(tc.which);
        EXPECT_EQ(deferred.isNull(), base.isNull()) << tc.name;
        EXPECT_EQ(deferred.availableSizes(), base.availableSizes()) << tc.name;
        for (int size : {11, 16, 32, 64})
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Selected})
                EXPECT_EQ(deferred.pixmap(size, mode).toImage(), base.pixmap(size, mode).toImage())
                    << tc.name << " at " << size << " in mode " << mode;
    }
}

TEST(DeferredIconStyle, GroupBoxesAreDrawnAsByTheBaseStyle) {
    struct Case {
        const char* name;
        const char* title;
        bool checkable;
    };
    const std::vector<Case> cases = {
        {"without a title (the panel's groups)", "", false},
        {"with a title (the answer box)", "解", false},
        {"with a check box and no title", "", true},
        {"with a check box and a title", "解", true},
    };
    Styles styles;
    for (const Case& tc : cases) {
        const auto drawn = [&](QStyle* style) {
            QGroupBox box(QString::fromUtf8(tc.title));
            box.setStyle(style);
            box.setFont(pixelFont(facePGothic, 14));
            box.setCheckable(tc.checkable);
            box.resize(97, 137);
            return box.grab().toImage();
        };
        EXPECT_EQ(drawn(styles.deferred.get()), drawn(styles.base.get())) << tc.name;
    }
}

TEST(DeferredIconStyle, APictureWhoseStyleIsGoneIsEmpty) {
    auto style = std::make_unique<DeferredIconStyle>(QStyleFactory::create(QStringLiteral("Fusion")));
    const QIcon maximise = style->standardIcon(QStyle::SP_TitleBarMaxButton);
    style.reset();
    EXPECT_TRUE(maximise.isNull());
    EXPECT_TRUE(maximise.pixmap(16).isNull());
}

}  // namespace
}  // namespace talvoren::ui
