// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The courseware's part of `play`: the question set loaded by `set` (or made
// by `question`), the sequencing behind btnNext, BitBtn1 and the answer box,
// the clicks of `press`, the practice records, the `records` listing and the
// deletion dialog's `erase`, and the pupil's log in a records folder
// (`records DIR`, `pupil NAME`, `clock SECONDS`).

#include <string>

#include "courseware/controls.h"
#include "courseware/practice_log.h"
#include "courseware/question_set.h"
#include "courseware/record_deletion.h"
#include "courseware/records.h"
#include "courseware/sequencing.h"
#include "tools/driver_play_practice.h"
#include "tools/driver_play_session.h"

namespace talvoren::driver {

// The unit dialog of the transcript: it draws the previews of the stored
// unit (parsing its questions, as the dialog does) and takes `reply ok`
// (keeping the stored unit and position) or `reply cancel`.
class ScriptUnitDialog : public UnitDialog {
public:
    ScriptUnitDialog(PlaySession& session, const CoursewareState& s) : session_(session), s_(s) {}
    bool showModal() override;

private:
    PlaySession& session_;
    const CoursewareState& s_;
};

class PlayCourseware {
public:
    // scriptDir: where a relative `set` path is looked for when the working
    // directory has no such file.
    PlayCourseware(PlaySession& session, std::string scriptDir);

    // Adds set, question, press, records and erase.
    void addCommands(PlayCommands& commands);

private:
    void set(const std::string& path);
    void question(const std::string& text);
    void records();
    void erase(const std::string& title);
    void questionSolved();
    void setRecordsFolder(const std::string& folder);
    void setPupil(const std::string& name);
    void setClock(const std::string& seconds);

    PlaySession& session_;
    std::string scriptDir_;
    CoursewareState state_;
    PracticeRecords records_;
    RecordDeletion deletion_;
    ScriptUnitDialog unitDialog_;
    Sequencing sequencing_;
    Controls controls_;
    PracticeLog log_;
    PlayPractice practice_;
};

}  // namespace talvoren::driver
