// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/self_write_setting.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "solving/worksheet.h"
#include "ui/zoom.h"

namespace talvoren::ui {

namespace {

const QString selfWriteKey = QStringLiteral("practice/selfWrite");

}  // namespace

SelfWriteSetting readSelfWriteSetting(const QString& userFile, const QString& teacherFile) {
    if (QFileInfo::exists(teacherFile)) {
        const QString teacher = QSettings(teacherFile, QSettings::IniFormat).value(selfWriteKey).toString();
        if (teacher.compare(QStringLiteral("always"), Qt::CaseInsensitive) == 0) return {true, true};
    }
    return {QSettings(userFile, QSettings::IniFormat).value(selfWriteKey, false).toBool(), false};
}

bool saveSelfWrite(const QString& userFile, bool on) {
    QSettings settings(userFile, QSettings::IniFormat);
    settings.setValue(selfWriteKey, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

void addSelfWriteEntry(QMenu* menu, Worksheet& worksheet, const QString& userFile, const QString& teacherFile) {
    const QString file = userFile.isEmpty() ? zoomSettingsPath() : userFile;
    const SelfWriteSetting setting = readSelfWriteSetting(file, teacherFile);
    worksheet.setSelfWrite(setting.on);
    QAction* entry = menu->addAction(QStringLiteral("計算も自分で(&W)"));
    entry->setObjectName(QStringLiteral("mnuSelfWrite"));
    entry->setCheckable(true);
    entry->setChecked(setting.on);
    entry->setEnabled(!setting.lockedByTeacher);
    entry->setStatusTip(setting.lockedByTeacher ? QStringLiteral("先生の設定で、式は自分で書きます")
                                                : QStringLiteral("［実行］のあと、新しい式を自分で書きます"));
    QObject::connect(entry, &QAction::toggled, menu, [&worksheet, file](bool on) {
        // The step in progress goes on as it began; the next one follows the setting.
        worksheet.setSelfWrite(on);
        saveSelfWrite(file, on);
    });
}

}  // namespace talvoren::ui
