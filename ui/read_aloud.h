// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 読み上げ: each new line, sentence, hint and message said in Japanese
// through the desktop's text-to-speech service (speech-dispatcher). The
// kana come from the toolkit-free readings, since no engine here reads
// kanji reliably. Saying is asynchronous, so a step never waits for it; a
// new text cuts the one being said short. Off by default; the choice is kept
// in the program's settings file.

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QTextToSpeech;

namespace talvoren {
class MessageSink;
}

namespace talvoren::ui {

class ReadAloud : public QObject {
public:
    // `tellMissing` shows a text in the status line; it is called once, the
    // first time a text is to be said and no engine can say it.
    explicit ReadAloud(std::function<void(const QString&)> tellMissing, QObject* parent = nullptr);

    bool isOn() const { return on_; }
    void setOn(bool on);
    // Says the kana, cutting short what is being said; nothing while off.
    void say(const std::string& kana);

    // The engine to use; "speechd" unless a test asks for another.
    static QString engineName();

private:
    bool engineReady();

    std::function<void(const QString&)> tellMissing_;
    bool on_ = false;
    bool missingTold_ = false;
    QPointer<QTextToSpeech> speech_;
};

// What the status line says when no engine can speak.
inline constexpr const char* noSpeechEngineText = "読み上げの音声が見つかりません（speech-dispatcher が必要です）";

// The setting, kept beside the zoom in the settings file.
bool savedReadAloud();
bool saveReadAloud(bool on);

// 表示 → 読み上げ, checked while on; a change is saved.
QAction* addReadAloudAction(QMenu* view, ReadAloud& readAloud, MessageSink& messages);

}  // namespace talvoren::ui
