// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An up-down control bound to a read-only edit: two arrow buttons that step
// a position within a range (no wrap) and write it into the edit, as the
// print dialog's margin and size controls do.

#include <QWidget>
#include <functional>

class QLineEdit;
class QToolButton;

namespace talvoren::ui {

class UpDown : public QWidget {
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, int position, QWidget* parent);

    int position() const { return position_; }
    void setPosition(int position);
    // One step up (+1) or down (-1); a step past either end does nothing.
    void step(int delta);

    // Called after every change of the position made by the arrows.
    std::function<void()> onClick;

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace talvoren::ui
