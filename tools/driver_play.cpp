// play SCRIPT: a worksheet session run headlessly from a script.

#include <filesystem>
#include <fstream>

#include "tools/driver.h"
#include "tools/driver_play_courseware.h"
#include "tools/driver_play_session.h"

namespace talvoren::driver {

namespace {

bool ignored(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos || line.front() == '#';
}

}  // namespace

int cmdPlay(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return 2;
    std::ifstream script(args[0]);
    if (!script) {
        err << "play: cannot read " << args[0] << '\n';
        return 2;
    }

    PlaySession session(out);
    PlayCourseware courseware(session, std::filesystem::path(args[0]).parent_path().string());
    PlayCommands commands = solvingPlayCommands();
    courseware.addCommands(commands);
    for (std::string line; !session.ended && std::getline(script, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (ignored(line)) continue;
        const auto space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
        const auto it = commands.find(word);
        if (it == commands.end()) {
            out << "error: unknown command " << word << '\n';
            continue;
        }
        session.run([&] { it->second(session, argument); });
    }
    return 0;
}

}  // namespace talvoren::driver
