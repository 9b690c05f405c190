// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// pnlMain, the control panel at the frame's left edge: the line buttons, the
// operation buttons, execute and correction, the number pad and the
// next-question, unit and record buttons, each at its place and size.

#include <QFrame>
#include <array>

#include "solving/page_layout.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace talvoren::ui {

inline constexpr int pnlMainWidth = 145;
inline constexpr int lineButtonCount = maxLineButtons;

class ControlPanel : public QFrame {
public:
    explicit ControlPanel(QWidget* parent);

    // Takes its height at the frame's left edge. A panel a little too short
    // for the controls (800 x 600) closes up the column under the operation
    // group; a shorter one (640 x 480) gets a slim scroll bar at its right
    // edge that moves them up, so that every button can be reached.
    void setPanelHeight(int height);
    // The lowest control's bottom plus the panel's margin, as laid out in full.
    static int contentHeight();
    QScrollBar* scrollBar;

    std::array<QPushButton*, lineButtonCount + 1> btnShiki{};  // 1..12
    // The line button of line n; lines without one (13, 14) are passed over.
    void setLineButtonEnabled(int n, bool on);

    // What the worksheet shows on the panel, for the page seam.
    void showNumber(const QString& text);
    void setJikkouEnabled(bool on);
    void setCorrectionEnabled(bool on);
    void setHintEnabled(bool on);
    void showLetterKey(char letter);
    void showNextPicture(const QPixmap& picture);
    void focusJikkou();
    void focusNext();
    // While the pupil writes a line, the relation keys take the number
    // display's place.
    void showRelationKeys(bool on);

    QGroupBox* grbSousa;
    QPushButton* btnKake;
    QPushButton* btnWaru;
    QPushButton* btnTasu;
    QPushButton* btnHiku;
    QPushButton* btnKakko;
    QPushButton* btnSeiri;
    QPushButton* btnIkou;

    QPushButton* btnJikkou;
    QPushButton* btnTeisei;

    QGroupBox* grbNumber;
    QLabel* pnlNumber;
    std::array<QPushButton*, 10> btnDigit{};  // btn0..btn9
    QPushButton* btnDecimal;
    QPushButton* btnMinus;
    QPushButton* btnClear;
    QPushButton* btnBunsu;
    QPushButton* btnMoji;
    std::array<QPushButton*, 4> btnRelation{};  // btnLess, btnGreater, btnLessEqual, btnGreaterEqual

    QPushButton* btnNext;
    QPushButton* BitBtn1;
    QPushButton* btnKiroku;
    QPushButton* btnHint;

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void placeColumn(bool closed);
    void scrollTo(int offset);

    int scrolled_ = 0;
};

}  // namespace talvoren::ui
