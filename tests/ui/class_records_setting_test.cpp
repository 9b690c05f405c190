// SPDX-License-Identifier: GPL-3.0-or-later
// The records folder and the login name as settings: the pupil's own, and
// the machine's, which a teacher sets and which wins.

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "ui/class_records_setting.h"

namespace talvoren::test {
namespace {

TEST(ClassRecordsSetting, ThePupilsOwnUnlessTheTeacherSetsOne) {
    QTemporaryDir dir;
    const QString user = dir.filePath("user.ini");
    const QString machine = dir.filePath("machine.ini");
    EXPECT_EQ(ui::readClassRecordsSetting(user, machine).folder, "");  // none by default

    ASSERT_TRUE(ui::saveClassRecordsSetting(user, {"/tmp/class", true, false}));
    const ui::ClassRecordsSetting own = ui::readClassRecordsSetting(user, machine);
    EXPECT_EQ(own.folder, "/tmp/class");
    EXPECT_TRUE(own.pupilFromLogin);
    EXPECT_FALSE(own.setByTeacher);

    QFile file(machine);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[class]\nrecordsFolder=/srv/school/records\npupilFromLogin=false\n");
    file.close();
    const ui::ClassRecordsSetting teacher = ui::readClassRecordsSetting(user, machine);
    EXPECT_EQ(teacher.folder, "/srv/school/records");
    EXPECT_FALSE(teacher.pupilFromLogin);
    EXPECT_TRUE(teacher.setByTeacher);
    EXPECT_FALSE(ui::loginName().empty());
}

}  // namespace
}  // namespace talvoren::test
