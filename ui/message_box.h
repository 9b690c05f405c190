// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop side of the message seam: real message boxes.

#include <QWidget>
#include <functional>

#include "core/messages.h"

namespace talvoren::ui {

class QtMessageSink : public MessageSink {
public:
    // Boxes are modal to the parent window (the application when none).
    explicit QtMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const std::string& text) override;
    Answer ask(const std::string& caption, const std::string& text, Buttons buttons, Icon icon) override;

    // Called with each text as its box opens (読み上げ).
    std::function<void(const std::string&)> onShown;

private:
    QWidget* parent_;
};

}  // namespace talvoren::ui
