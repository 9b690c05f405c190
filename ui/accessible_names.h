// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader finds on the frame: Japanese names and descriptions
// for the controls whose faces are pictures or single characters, the text of
// each drawn line, the keyboard order of the panel, and the hint and status
// lines said through the focused control (the toolkit has no announcement
// of its own here).

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

#include "core/cells.h"

class QWidget;

namespace talvoren::ui {

class ControlPanel;
class TfrmPage;

// Names every control of the panel and sets the tab order: the line
// buttons, the operations, the pad, 実行 and the buttons below it.
void nameControlPanel(ControlPanel& panel);
// Names the description, hint and number lines and the empty line images.
void namePage(TfrmPage& page);

// The name of line image n: its text once drawn ("②式 2x＜8", with the
// sentence as description), its label while empty. The line's button
// carries the same text as its description.
void nameDrawnLine(TfrmPage& page, ControlPanel& panel, int n, const ExprLine& line, bool hasDecimalPoint);
void nameEmptyLine(TfrmPage& page, ControlPanel& panel, int n);
void nameAnswerText(TfrmPage& page, const std::string& text);

// Names the fields of every window as it is shown: a field is named by the
// label just above it, which becomes its buddy; a read-only
// line without one is named by its text, any other by its window's title.
class WindowNamer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Says TEXT to a screen reader as the description of the control that has
// the focus; the control gets its own description back when the focus moves
// or the next text is said.
class Announcer {
public:
    void announce(const QString& text);

private:
    void restore();

    QPointer<QWidget> borrowed_;
    QString ownDescription_;
};

}  // namespace talvoren::ui
