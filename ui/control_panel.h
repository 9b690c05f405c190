#pragma once
// pnlMain, the control panel at the frame's left edge: the line buttons, the
// operation buttons, execute and correction, the number pad and the
// next-question, unit and record buttons, each at its place and size.

#include <QFrame>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace talvoren::ui {

inline constexpr int pnlMainWidth = 145;
inline constexpr int lineButtonCount = 12;

class ControlPanel : public QFrame {
public:
    explicit ControlPanel(QWidget* parent);

    std::array<QPushButton*, lineButtonCount + 1> btnShiki{};  // 1..12

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

    QPushButton* btnNext;
    QPushButton* BitBtn1;
    QPushButton* btnKiroku;
};

}  // namespace talvoren::ui
