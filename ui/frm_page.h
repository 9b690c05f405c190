// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmPage, the worked page: the description line, the line images in two
// columns and the answer box 解 with the answer image. It lays itself out by
// the screen width, frames the line under the mouse in red, and passes the
// clicks on the line images and the answer box on as controls (the frame's
// control table selects the line or moves on to the next question).

#include <QScrollArea>
#include <array>

#include "solving/control.h"
#include <functional>
#include <string>

#include "solving/page_layout.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace talvoren {
class MessageSink;
class Worksheet;
}  // namespace talvoren

namespace talvoren::ui {

class LineImage;

inline constexpr int pageLineImages = largePageLines;
inline constexpr int lineImageHeight = 75;
inline constexpr int lineImagePitch = 76;
inline constexpr int hintLineHeight = 36;  // two lines of 14-pixel type

class TfrmPage : public QScrollArea {
public:
    // Messages of the layout and of the hover frames go to messages; hover
    // and clicks read the lines of the worksheet that `worksheet` gives
    // (none yet: no frames).
    explicit TfrmPage(MessageSink& messages, std::function<const Worksheet*()> worksheet = {},
                      QWidget* parent = nullptr);

    QLabel* lblMess;
    // The hint line under the description line, in a colour of its own.
    QLabel* lblHint;
    std::array<LineImage*, pageLineImages + 1> Image{};  // 1..14
    QGroupBox* grbKai;
    LineImage* Image16;
    QLabel* lblStarX;
    QLabel* lblStarY;

    int lineCapacity = defaultLineCapacity;
    int hoveredLine = -1;

    // A click on a line image, the answer box or the answer image.
    std::function<void(Control control)> onControlClick;
    // 確かめ in the answer box.
    QPushButton* btnTashikame;
    std::function<void()> onTashikame;

    // The page window's place in the frame, from the control panel's size:
    // its outer geometry (the window the page sits in takes it).
    static QRect pageGeometry(const QRect& pnlMain, int frameWidth);
    // lblMess takes the page width less 16.
    void FormCreate(int pageWidth);
    // Lays out lineCapacity images for the screen width (warning at 640). A
    // screen wider than 1024 and at least 768 high takes the 1024 layout's
    // fourteen lines, its extra width going to the two columns.
    void FormShow(int screenWidth, int screenHeight = 768);

    // The description line's text, and the hint line's (its tooltip shows
    // a hint too long for the line whole).
    void showDescription(const QString& text);
    void showHint(const QString& text);
    // "Image" + n: 1..14 and 16; nullptr for any other number.
    LineImage* lineImage(int n) const;
    // Shows the box below line n and scrolls both into view.
    void placeAnswerBox(int n);
    // Scrolls the page, downwards only, so that line n shows whole below the
    // description line.
    void keepLineInView(int n);
    void hideAnswerBox();
    bool answerBoxShown() const;
    // Both columns take this width when a line needs it to be drawn legibly
    // (the page then scrolls sideways); false when they were wide enough.
    // Line images laid out again are white.
    bool widenColumns(int width);
    // The columns take the screen's width again; false when they had it.
    bool restoreColumns();
    // A line of the left column takes its whole row while the right
    // column's line beside it is empty, and gives the room back; both
    // false when nothing changed. The image laid out again is white.
    bool spanRow(int n);
    bool unspanRow(int n);
    // The line beside n in the right column, or 0 for none.
    int rowNeighbour(int n) const;
    // The columns' width now (a spanned row is wider).
    int columnWidth() const;
    // The red hover frame of line k, drawn into its bitmap, and its removal.
    void markLine(int k);
    void unmarkLine(int k);
    // Unmarks lines 1 to the worksheet's lineCount.
    void unmarkAllLines();

    void lineImageMouseMove(int k);
    void FormMouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void clickControl(Control control);
    void fitClient();
    void keepInView(const QRect& region);
    // Where the answer box stands for a page of n lines.
    QPoint answerBoxPlace(int n) const;
    // Where the first row of lines starts: below the description line and the hint line.
    int linesTop() const;
    void pinDescription();
    void sizeAnswerBox(int width);
    void frameLine(int k, bool marked);
    void layoutColumns(int w);

    MessageSink& messages_;
    std::function<const Worksheet*()> worksheet_;
    const Worksheet* worksheet() const { return worksheet_ ? worksheet_() : nullptr; }
    QWidget* client_;
    int bandWidth_ = 0;
    int screenColumnWidth_ = 0;  // the columns' width the screen gives
    int answerBoxLine_ = 1;      // the line the answer box was placed after  // the description and hint lines' width on a page without a scroll bar
};

}  // namespace talvoren::ui
