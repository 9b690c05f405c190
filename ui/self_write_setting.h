// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The setting 計算も自分で: whether the pupil writes each new line. The
// pupil's choice is kept in the program's settings file; a teacher can turn
// it on for every pupil of a machine with
//
//     [practice]
//     selfWrite=always
//
// in the machine's initialization file (/etc/talvoren/talvoren.ini), and
// the menu entry then stays checked and cannot be turned off.

#include <QString>

class QMenu;

namespace talvoren {
class Worksheet;
}

namespace talvoren::ui {

inline constexpr const char* teacherSettingsPath = "/etc/talvoren/talvoren.ini";

struct SelfWriteSetting {
    bool on = false;
    bool lockedByTeacher = false;
};

SelfWriteSetting readSelfWriteSetting(const QString& userFile, const QString& teacherFile);
// False when the settings file could not be written.
bool saveSelfWrite(const QString& userFile, bool on);

// The checkable entry 計算も自分で in the menu; the worksheet takes the
// setting at once and each change.
void addSelfWriteEntry(QMenu* menu, Worksheet& worksheet, const QString& userFile = {},
                       const QString& teacherFile = QString::fromLatin1(teacherSettingsPath));

}  // namespace talvoren::ui
