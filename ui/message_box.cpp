// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_box.h"

#include <QApplication>
#include <algorithm>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include "ui/application.h"

namespace talvoren::ui {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons b) {
    switch (b) {
    case Buttons::ok: return QMessageBox::Ok;
    case Buttons::yesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::yesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::abortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::none: return QMessageBox::NoIcon;
    case Icon::information: return QMessageBox::Information;
    case Icon::warning: return QMessageBox::Warning;
    case Icon::question: return QMessageBox::Question;
    case Icon::error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

Answer answerOf(int button, Buttons offered) {
    switch (button) {
    case QMessageBox::Ok: return Answer::ok;
    case QMessageBox::Yes: return Answer::yes;
    case QMessageBox::No: return Answer::no;
    case QMessageBox::Cancel: return Answer::cancel;
    case QMessageBox::Abort: return Answer::abort;
    case QMessageBox::Retry: return Answer::retry;
    case QMessageBox::Ignore: return Answer::ignore;
    }
    // Closed without a button (Escape or the close box): the box's way out.
    switch (offered) {
    case Buttons::ok: return Answer::ok;
    case Buttons::yesNo: return Answer::no;
    case Buttons::yesNoCancel: return Answer::cancel;
    case Buttons::abortRetryIgnore: return Answer::ignore;
    }
    return Answer::ok;
}

// A message box wraps its text at half the screen's width, which on a
// 640-pixel screen breaks a one-line Japanese message before its last
// character. Each line keeps its own row while the screen has room for it.
void keepLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QScreen* screen = box.screen();
    if (!label || !screen) return;
    constexpr int frameAndIcon = 120;
    const int room = screen->availableGeometry().width() - frameAndIcon;
    int longest = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        longest = std::max(longest, label->fontMetrics().horizontalAdvance(line) + 2);
    label->setMinimumWidth(std::min(longest, room));
}

}  // namespace

void QtMessageSink::showMessage(const std::string& text) {
    // A plain box carries the program's title as its caption.
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    keepLinesWhole(box);
    if (onShown) onShown(text);
    box.exec();
}

Answer QtMessageSink::ask(const std::string& caption, const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(boxIcon(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    standardButtons(buttons), parent_);
    keepLinesWhole(box);
    if (onShown) onShown(text);
    return answerOf(box.exec(), buttons);
}

}  // namespace talvoren::ui
