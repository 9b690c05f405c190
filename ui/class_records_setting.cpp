// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/class_records_setting.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "core/messages.h"
#include "ui/self_write_setting.h"
#include "ui/zoom.h"

namespace talvoren::ui {

namespace {

const QString folderKey = QStringLiteral("class/recordsFolder");
const QString loginKey = QStringLiteral("class/pupilFromLogin");

ClassRecordsSetting readFrom(const QString& file) {
    const QSettings settings(file, QSettings::IniFormat);
    return {settings.value(folderKey).toString().toStdString(), settings.value(loginKey, false).toBool(), false};
}

}  // namespace

ClassRecordsSetting readClassRecordsSetting(const QString& userFile, const QString& teacherFile) {
    if (QFileInfo::exists(teacherFile)) {
        ClassRecordsSetting teacher = readFrom(teacherFile);
        if (!teacher.folder.empty()) {
            teacher.setByTeacher = true;
            return teacher;
        }
    }
    return readFrom(userFile);
}

bool saveClassRecordsSetting(const QString& userFile, const ClassRecordsSetting& setting) {
    QSettings settings(userFile, QSettings::IniFormat);
    settings.setValue(folderKey, QString::fromStdString(setting.folder));
    settings.setValue(loginKey, setting.pupilFromLogin);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string loginName() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    return (user.isEmpty() ? QDir::home().dirName() : user).toStdString();
}

void addClassRecordsEntries(QMenu* menu, QWidget* parent, MessageSink& messages, const QString& userFile,
                            const QString& teacherFile) {
    const QString file = userFile.isEmpty() ? zoomSettingsPath() : userFile;
    const QString machine = teacherFile.isEmpty() ? QString::fromLatin1(teacherSettingsPath) : teacherFile;
    const ClassRecordsSetting setting = readClassRecordsSetting(file, machine);
    const auto save = [file, &messages](const ClassRecordsSetting& changed) {
        if (saveClassRecordsSetting(file, changed))
            messages.showMessage("次に起動したときから、この設定で記録します。");
        else
            messages.showMessage("設定を保存できませんでした：" + file.toStdString());
    };

    QAction* folder = menu->addAction(QStringLiteral("記録フォルダ(&F)..."));
    folder->setObjectName(QStringLiteral("mnuRecordsFolder"));
    folder->setEnabled(!setting.setByTeacher);
    QObject::connect(folder, &QAction::triggered, menu, [parent, file, machine, save] {
        ClassRecordsSetting changed = readClassRecordsSetting(file, machine);
        const QString chosen = QFileDialog::getExistingDirectory(parent, QStringLiteral("クラスの記録フォルダ"),
                                                                 QString::fromStdString(changed.folder));
        if (chosen.isEmpty()) return;
        changed.folder = chosen.toStdString();
        save(changed);
    });

    QAction* login = menu->addAction(QStringLiteral("ログイン名で記録する(&L)"));
    login->setObjectName(QStringLiteral("mnuPupilFromLogin"));
    login->setCheckable(true);
    login->setChecked(setting.pupilFromLogin);
    login->setEnabled(!setting.setByTeacher);
    QObject::connect(login, &QAction::toggled, menu, [file, machine, save](bool on) {
        ClassRecordsSetting changed = readClassRecordsSetting(file, machine);
        changed.pupilFromLogin = on;
        save(changed);
    });
}

}  // namespace talvoren::ui
