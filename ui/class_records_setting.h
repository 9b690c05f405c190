// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the class's records go and who is practising, when the command line
// does not say: the pupil's settings file, or the machine's initialization
// file, in which a teacher sets it for every pupil of the machine:
//
//     [class]
//     recordsFolder=/srv/school/records
//     pupilFromLogin=true
//
// The machine's file wins; --records and --pupil win over both.

#include <QString>
#include <string>

class QMenu;
class QWidget;

namespace talvoren {
class MessageSink;
}

namespace talvoren::ui {

struct ClassRecordsSetting {
    std::string folder;          // "": no class records
    bool pupilFromLogin = false;  // the login name is the pupil's name
    bool setByTeacher = false;
};

ClassRecordsSetting readClassRecordsSetting(const QString& userFile, const QString& teacherFile);
bool saveClassRecordsSetting(const QString& userFile, const ClassRecordsSetting& setting);

// The name the pupil logged in with ("" when none is known).
std::string loginName();

// 表示 → 記録フォルダ(&F)… and ログイン名で記録する(&L): chosen here, kept in the
// settings file, used from the next start; disabled when the teacher set them.
void addClassRecordsEntries(QMenu* menu, QWidget* parent, MessageSink& messages, const QString& userFile = {},
                            const QString& teacherFile = {});

}  // namespace talvoren::ui
