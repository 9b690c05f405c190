// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening, saving and editing the question set, and the close query, with
// the file dialogs and the editor dialog behind a small seam.

#include <optional>
#include <string>

#include "core/cells.h"
#include "courseware/file_io.h"
#include "courseware/question_set.h"
#include "courseware/set_runner.h"

namespace talvoren {

class FlowWindows {
public:
    virtual ~FlowWindows() = default;
    // The open and save dialogs (filter "ineファイル (*.ine)"); nullopt when cancelled.
    virtual std::optional<std::string> askOpenPath(const std::string& proposed) = 0;
    virtual std::optional<std::string> askSavePath(const std::string& proposed) = 0;
    // The question-set editor, modal; true when it closed with OK.
    virtual bool showEditor() = 0;
    virtual void setEditorCaption(const std::string& path) = 0;
    // Shows the complete fatal message and closes the main window.
    virtual void fatalError(const std::string& text) = 0;
};

class FileFlows {
public:
    FileFlows(CoursewareState& s, CoreState& core, FlowWindows& windows, QuestionSetRunner& runner,
              FileSystemCalls& calls = systemFileCalls())
        : s_(s), core_(core), windows_(windows), runner_(runner), calls_(calls) {}

    void openSet();
    // Loads the set at path with the open command's checks (its message and
    // the restored set on failure); true when the set started. The caller
    // has backed up the set.
    bool openQuestionSet(const std::string& path);
    // Saves under a name chosen in the save dialog; true when written.
    bool saveQuestionSet();
    void saveSet() { saveQuestionSet(); }
    void editSet();
    // True when the main window may close.
    bool mayClose();
    void closeSet() { s_.dropBackup(); }

private:
    CoursewareState& s_;
    CoreState& core_;
    FlowWindows& windows_;
    QuestionSetRunner& runner_;
    FileSystemCalls& calls_;
};

}  // namespace talvoren
