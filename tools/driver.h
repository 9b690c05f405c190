// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The headless driver's commands. Each prints its transcript to `out` and
// returns the exit status (2 with a usage line on `err` when the command line
// is wrong).

#include <ostream>
#include <string>
#include <vector>

#include "solving/planner.h"

namespace talvoren::driver {

using Args = std::vector<std::string>;  // the words after the command name

int runDriver(const Args& argv, std::ostream& out, std::ostream& err);

int cmdCells(const Args& args, std::ostream& out, std::ostream& err);
int cmdEntry(const Args& args, std::ostream& out, std::ostream& err);
int cmdTransform(const Args& args, std::ostream& out, std::ostream& err);
int cmdPlay(const Args& args, std::ostream& out, std::ostream& err);
int cmdCheck(const Args& args, std::ostream& out, std::ostream& err);
int cmdReport(const Args& args, std::ostream& out, std::ostream& err);
int cmdSolve(const Args& args, std::ostream& out, std::ostream& err);
int cmdSolveFile(const Args& args, std::ostream& out, std::ostream& err);
int cmdRead(const Args& args, std::ostream& out, std::ostream& err);

// The kana of TEXT: a question line read from its cells, else a sentence or
// message read word by word.
std::string readingOf(const std::string& text);
int cmdClass(const Args& args, std::ostream& out, std::ostream& err);
int cmdExport(const Args& args, std::ostream& out, std::ostream& err);
int cmdGenerate(const Args& args, std::ostream& out, std::ostream& err);

// How solve prints a plan's answer, and the play commands that carry it out
// after `question TEXT`.
std::string planAnswerText(const Plan& plan);
std::vector<std::string> playScript(const Plan& plan);

}  // namespace talvoren::driver
