// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the Japanese help document shipped with the program,
// shown in a browser window. The frame's help requests name a place in the
// document by its context number (224 the contents, 230 the topic
// "ポイント", 100 the frame itself); one table turns each number into an
// anchor of the document.

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace talvoren::ui {

inline constexpr int helpContents = 224;  // 使い方(&U)
inline constexpr int helpPoint = 230;     // ポイント(&P)
inline constexpr int helpFrame = 100;     // F1 on the frame

// The anchor of a context number; the contents for a number not in the table.
QString helpAnchor(int context);
// The document's address at that anchor.
QUrl helpUrl(int context);

class HelpViewer : public QWidget {
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the window (raising it when it is open already) at the place
    // of the context number.
    void showContext(int context);

    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace talvoren::ui
