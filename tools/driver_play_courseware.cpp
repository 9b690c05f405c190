// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver_play_courseware.h"

#include <filesystem>
#include <charconv>
#include <iostream>

#include "core/question_parser.h"

namespace talvoren::driver {

bool ScriptUnitDialog::showModal() {
    for (int n = 1; n <= s_.unitQuestionCount()[s_.currentUnit()]; ++n) {  // the previews
        ScratchQuestion preview = parseScratchQuestion(s_.unitQuestions()[s_.currentUnit()][n]);
        showNotices(session_.sink, preview.notices);
    }
    const std::string reply = session_.replies.take();
    return reply.empty() || reply == "ok";  // any other reply counts as cancel, the last button
}

PlayCourseware::PlayCourseware(PlaySession& session, std::string scriptDir)
    : session_(session),
      scriptDir_(std::move(scriptDir)),
      records_("", session.sink),
      deletion_(records_, session.sink),
      unitDialog_(session, state_),
      sequencing_(state_, session.worksheet, unitDialog_, records_),
      controls_({session.worksheet, session.coach, sequencing_, [&page = session.page] { return page.answerBoxShown; }}),
      log_(session.worksheet, session.coach, state_, session.sink),
      practice_(session, state_) {
    session_.sink.messageShown = [this](const std::string& text) { log_.messageShown(text); };
    session_.actionDone = [this] { log_.actionDone(); };
    session_.worksheet.setSolvedReport([this] { questionSolved(); });
    practice_.setLog(log_);
    session_.hintKey = [this](char32_t key) {
        return practice_.active() ? practice_.hintKey(key) : session_.coach.hintKey(key);
    };
    session_.nextQuestion = [this] {
        const Control next = Control::of(ControlKind::next);
        if (practice_.active()) practice_.clicked(next, [] {});
        else controls_.click(next);
    };
}

void PlayCourseware::addCommands(PlayCommands& commands) {
    commands["set"] = [this](PlaySession&, const std::string& path) { set(path); };
    commands["question"] = [this](PlaySession&, const std::string& text) { question(text); };
    commands["records"] = [this](PlaySession&, const std::string& folder) {
        if (folder.empty())
            records();
        else
            setRecordsFolder(folder);
    };
    commands["pupil"] = [this](PlaySession&, const std::string& name) { setPupil(name); };
    commands["clock"] = [this](PlaySession&, const std::string& seconds) { setClock(seconds); };
    commands["erase"] = [this](PlaySession&, const std::string& title) { erase(title); };
    commands["press"] = [this](PlaySession&, const std::string& name) {
        const std::optional<Control> control = controlNamed(name);
        if (!control) {
            std::cerr << "play: no control named " << name << '\n';
            return;
        }
        const auto click = [&] { controls_.click(*control); };
        if (practice_.active() && controls_.enabled(*control)) practice_.clicked(*control, click);
        else click();
    };
    commands["practice"] = [this](PlaySession&, const std::string& argument) {
        practice_.start(argument, log_.masteryRecordPath(records_.path()));
    };
}

void PlayCourseware::set(const std::string& path) {
    namespace fs = std::filesystem;
    std::string chosen = path;
    if (fs::path(path).is_relative() && !fs::exists(path) && fs::exists(fs::path(scriptDir_) / path))
        chosen = (fs::path(scriptDir_) / path).string();
    if (const auto fatal = sequencing_.startUp(chosen)) session_.fatal(*fatal);
}

void PlayCourseware::question(const std::string& text) {
    if (const auto fatal = sequencing_.startUpWithText({"<<test", text, ">>"})) session_.fatal(*fatal);
}

void PlayCourseware::records() {
    for (const std::string& line : records_.listing(state_)) session_.out << "records: " << line << '\n';
}

// erase TITLE: the deletion dialog shown afresh, TITLE chosen in it and 消去
// pressed; erase alone: 消去 pressed again in the same showing.
void PlayCourseware::erase(const std::string& title) {
    if (!title.empty()) {
        deletion_.start(state_);
        deletion_.chooseTitle(title);
    }
    deletion_.deleteOne();
}

void PlayCourseware::questionSolved() {
    if (practice_.active()) return practice_.questionSolved();
    if (!sequencing_.questionSolved()) return;
    session_.out << "record: " << state_.unitTitles()[state_.currentUnit()] << ' '
                 << state_.unitPosition()[state_.currentUnit()] << '\n';
}

}  // namespace talvoren::driver

namespace talvoren::driver {

void PlayCourseware::setRecordsFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // a failure is said at the first write
    log_.setFolder(folder);
}

void PlayCourseware::setPupil(const std::string& name) {
    if (const auto problem = pupilNameProblem(name)) {
        session_.sink.showMessage(*problem);
        return;
    }
    log_.setPupil(name);
}

void PlayCourseware::setClock(const std::string& seconds) {
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(seconds.data(), seconds.data() + seconds.size(), value);
    if (ec != std::errc() || end != seconds.data() + seconds.size()) {
        std::cerr << "play: clock SECONDS expected, not " << seconds << '\n';
        return;
    }
    log_.setClock([value] { return value; });
}

}  // namespace talvoren::driver
