#pragma once
// The headless driver's commands. Each prints its transcript to `out` and
// returns the exit status (2 with a usage line on `err` when the command line
// is wrong).

#include <ostream>
#include <string>
#include <vector>

namespace talvoren::driver {

using Args = std::vector<std::string>;  // the words after the command name

int runDriver(const Args& argv, std::ostream& out, std::ostream& err);

int cmdCells(const Args& args, std::ostream& out, std::ostream& err);
int cmdEntry(const Args& args, std::ostream& out, std::ostream& err);
int cmdTransform(const Args& args, std::ostream& out, std::ostream& err);
int cmdPlay(const Args& args, std::ostream& out, std::ostream& err);
int cmdCheck(const Args& args, std::ostream& out, std::ostream& err);
int cmdReport(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace talvoren::driver
