// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmSentaku, "特殊な解": asks which special answer a line of two numbers
// means. 解は無数にある(&A) ends it with 8, 解なし(&B) with 3, the close box
// (or Escape) with 2.

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace talvoren::ui {

class LineImage;

// The dialog's modal results.
inline constexpr int sentakuClosed = 2;
inline constexpr int sentakuKainashi = 3;  // 解なし(&B)
inline constexpr int sentakuMusu = 8;      // 解は無数にある(&A)

class TfrmSentaku : public QDialog {
public:
    explicit TfrmSentaku(QWidget* parent = nullptr);

    QLineEdit* Edit1;
    QPushButton* btnMusu;
    QPushButton* btnKainashi;

    // Line 1's image, next to which the dialog places itself when shown.
    void setAnchor(const LineImage* image1) { anchor_ = image1; }
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const LineImage* anchor_ = nullptr;
};

}  // namespace talvoren::ui
