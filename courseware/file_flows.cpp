// SPDX-License-Identifier: GPL-3.0-or-later
#include "courseware/file_flows.h"

namespace talvoren {

void FileFlows::openSet() {
    s_.backUp();
    const auto chosen = windows_.askOpenPath(s_.questionSetPath());
    if (!chosen) return;
    if (!s_.questionSetSaved() &&
        core_.messages.ask("確認", "ファイルを保存しますか", Buttons::yesNo, Icon::question) ==
            Answer::yes &&
        !saveQuestionSet())
        return;  // the edits were not saved: keep them in force rather than lose them

    if (openQuestionSet(*chosen)) runner_.chooseUnit();
}

bool FileFlows::openQuestionSet(const std::string& path) {
    const LoadOutcome outcome = runner_.loadQuestionSet(path);
    switch (outcome) {
    case LoadOutcome::started:
    case LoadOutcome::startedFromUtf8:
        // A set read as UTF-8 is not on disk as Shift-JIS yet: closing offers to save it.
        s_.setSaved(outcome == LoadOutcome::started);
        return true;
    case LoadOutcome::unreadable:
        windows_.fatalError(fatalErrorText(readFailureText(path, ReadStatus::unreadable),
                                           core_.parseError));
        return false;
    case LoadOutcome::tooLarge:
        core_.messages.showMessage(readFailureText(path, ReadStatus::tooLarge));
        s_.restore(core_.messages);
        return false;
    case LoadOutcome::missing:
    case LoadOutcome::invalid:
    case LoadOutcome::notCp932:
        // Not Shift-JIS text has been reported while the file was read.
        if (outcome == LoadOutcome::missing) core_.messages.showMessage(path + ":ファイルが見つかりません");
        if (outcome == LoadOutcome::invalid) core_.messages.showMessage(runner_.invalidSetText(path));
        s_.restore(core_.messages);  // questionSetPath keeps the chosen path
        return false;
    }
    return false;
}

bool FileFlows::saveQuestionSet() {
    const auto name = windows_.askSavePath(s_.questionSetPath());
    if (!name || name->empty()) return false;
    const WriteResult written = writeQuestionSetFile(s_, *name, calls_);
    if (written.status != WriteStatus::ok) {
        core_.messages.showMessage(writeFailureText(*name, written));
        return false;
    }
    s_.setSaved(true);
    s_.setPath(*name);
    windows_.setEditorCaption(*name);
    return true;
}

void FileFlows::editSet() {
    s_.backUp();
    if (!windows_.showEditor()) {
        s_.restore(core_.messages);
        return;
    }
    if (runner_.startQuestionSet()) {
        runner_.showUnitTitle();
        runner_.chooseUnit();
        return;
    }
    core_.messages.showMessage("ERROR:RefreshSystem");
    s_.restore(core_.messages);
}

bool FileFlows::mayClose() {
    if (s_.questionSetSaved()) return true;
    switch (core_.messages.ask("確認", "ファイルを保存しますか？", Buttons::yesNoCancel,
                               Icon::question)) {
    case Answer::yes: return saveQuestionSet();
    case Answer::no: return true;
    default: return false;
    }
}

}  // namespace talvoren
