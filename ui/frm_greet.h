// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmGreet: the borderless greeting window shown while the program starts.

#include <QWidget>

class QPushButton;

namespace talvoren::ui {

class TfrmGreet : public QWidget {
public:
    // Centred on a screen of the given size.
    explicit TfrmGreet(QSize screen);
    QPushButton* BitBtn1;
};

}  // namespace talvoren::ui
