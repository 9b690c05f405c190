// SPDX-License-Identifier: GPL-3.0-or-later
// play SCRIPT: a worksheet session run headlessly from a script.

#include <filesystem>
#include <fstream>

#include "tools/driver.h"
#include "tools/driver_player.h"

namespace talvoren::driver {

namespace {

bool ignored(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos || line.front() == '#';
}

}  // namespace

Player::Player(std::ostream& out, std::string scriptDir)
    : session_(out), courseware_(session_, std::move(scriptDir)), commands_(solvingPlayCommands()) {
    courseware_.addCommands(commands_);
    commands_.merge(speechPlayCommands());
}

void Player::runLine(std::string line) {
    if (session_.ended) return;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (ignored(line)) return;
    const auto space = line.find(' ');
    const std::string word = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    const auto it = commands_.find(word);
    if (it == commands_.end()) {
        session_.out << "error: unknown command " << word << '\n';
        return;
    }
    session_.run([&] { it->second(session_, argument); });
}

int cmdPlay(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) return 2;
    std::ifstream script(args[0]);
    if (!script) {
        err << "play: cannot read " << args[0] << '\n';
        return 2;
    }
    Player player(out, std::filesystem::path(args[0]).parent_path().string());
    for (std::string line; !player.ended() && std::getline(script, line);) player.runLine(line);
    return 0;
}

}  // namespace talvoren::driver
