// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

namespace talvoren::ui {

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && (arg == "--help" || arg == "-h")) return {CommandLine::Action::help, "", ""};
        if (!optionsEnded && (arg == "--version" || arg == "-v")) return {CommandLine::Action::version, "", ""};
        std::string* valueOf = arg == "--class" ? &result.classFolder
                               : arg == "--records" ? &result.recordsFolder
                               : arg == "--pupil"   ? &result.pupil
                                                    : nullptr;
        if (!optionsEnded && valueOf) {
            if (i + 1 == args.size()) {
                if (result.error.empty()) result.error = arg + " needs a value";
            } else {
                *valueOf = args[++i];
            }
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            if (arg[1] != '-') result.toolkitOptionSeen = true;
            if (result.error.empty()) result.error = "unknown option: " + arg;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() > 1 && result.error.empty()) result.error = "give at most one question-set file";
    if (!result.error.empty()) {
        result.action = CommandLine::Action::usageError;
        return result;
    }
    if (!files.empty()) result.questionSetFile = files.front();
    return result;
}

std::string helpText(const std::string& programName) {
    return "Usage: " + programName + " [OPTION] [FILE.ine]\n"
           "Merulan Talvoren: solve linear inequalities step by step.\n"
           "\n"
           "Starts with Question.ine from the working directory (or the installed\n"
           "default set), then opens FILE.ine when one is given, as ファイル → 開く does.\n"
           "\n"
           "  --records DIR  log each pupil's practice in the records folder DIR\n"
           "  --pupil NAME   the pupil practising (else chosen or added at start)\n"
           "  --class DIR    show the class overview of the records folder DIR\n"
           "  -h, --help     show this help and exit\n"
           "  -v, --version  show the version and exit\n";
}

std::string versionText(const std::string& version) {
    return "talvoren " + version + "\n"
           "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

}  // namespace talvoren::ui
