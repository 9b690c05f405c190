// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: --help and --version answer in the terminal
// and end the program before any window opens; one question-set file may
// be given, which the program opens after starting.

#include <string>
#include <vector>

namespace talvoren::ui {

struct CommandLine {
    enum class Action { run, help, version, usageError };
    Action action = Action::run;
    std::string questionSetFile;  // "": none given
    std::string error;            // what was wrong, for usageError
    // A single-dash option was seen: it may be the toolkit's (-platform,
    // -style), which only the application object takes out.
    bool toolkitOptionSeen = false;
    std::string classFolder = {};  // --class DIR: the teacher's overview of a records folder
    std::string recordsFolder = {};  // --records DIR: each pupil's practice is logged there
    std::string pupil = {};          // --pupil NAME: who is practising (else asked at start)
};

// args[0] is the program's name. --help and --version win wherever they
// stand before "--"; anything else starting with "-" is an error.
CommandLine parseCommandLine(const std::vector<std::string>& args);

std::string helpText(const std::string& programName);
std::string versionText(const std::string& version);

}  // namespace talvoren::ui
