// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/read_aloud.h"

#include <QAction>
#include <QLocale>
#include <QMenu>
#include <QSettings>
#include <QTextToSpeech>
#include <QTimer>

#include "core/messages.h"
#include "ui/zoom.h"

namespace talvoren::ui {

namespace {

const QString readAloudKey = QStringLiteral("speech/readAloud");
const char* const engineVariable = "TALVOREN_SPEECH_ENGINE";

}  // namespace

ReadAloud::ReadAloud(std::function<void(const QString&)> tellMissing, QObject* parent)
    : QObject(parent), tellMissing_(std::move(tellMissing)) {}

QString ReadAloud::engineName() {
    const QString asked = qEnvironmentVariable(engineVariable);
    return asked.isEmpty() ? QStringLiteral("speechd") : asked;
}

void ReadAloud::setOn(bool on) {
    on_ = on;
    if (!on && speech_) speech_->stop();
    // The engine's connection is made once the window is up, not in a step.
    if (on) QTimer::singleShot(0, this, [this] {
            if (on_) engineReady();
        });
}

bool ReadAloud::engineReady() {
    if (!speech_ && QTextToSpeech::availableEngines().contains(engineName())) {
        speech_ = new QTextToSpeech(engineName(), this);
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        if (speech_->availableLocales().contains(japanese)) speech_->setLocale(japanese);
    }
    const bool ready = speech_ && speech_->state() != QTextToSpeech::Error;
    if (!ready && !missingTold_) {
        missingTold_ = true;
        tellMissing_(QString::fromUtf8(noSpeechEngineText));
    }
    return ready;
}

void ReadAloud::say(const std::string& kana) {
    if (!on_ || kana.empty() || !engineReady()) return;
    speech_->stop();
    speech_->say(QString::fromStdString(kana));
}

bool savedReadAloud() {
    return QSettings(zoomSettingsPath(), QSettings::IniFormat).value(readAloudKey, false).toBool();
}

bool saveReadAloud(bool on) { return saveSetting(readAloudKey, on); }

QAction* addReadAloudAction(QMenu* view, ReadAloud& readAloud, MessageSink& messages) {
    QAction* action = view->addAction(QStringLiteral("読み上げ(&Y)"));
    action->setObjectName(QStringLiteral("mnuReadAloud"));
    action->setCheckable(true);
    action->setChecked(readAloud.isOn());
    QObject::connect(action, &QAction::toggled, view, [&readAloud, &messages](bool on) {
        readAloud.setOn(on);
        if (!saveReadAloud(on)) messages.showMessage("読み上げの設定を保存できませんでした");
    });
    return action;
}

}  // namespace talvoren::ui
