// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A `play` session with every command wired in, fed one script line at a
// time: the play command reads its script through it, and so can a test or
// a fuzz target that wants to look at the transcript between lines.

#include <ostream>
#include <string>

#include "tools/driver_play_courseware.h"
#include "tools/driver_play_session.h"

namespace talvoren::driver {

class Player {
public:
    // scriptDir: where a relative `set` path is looked for when the working
    // directory has no such file.
    Player(std::ostream& out, std::string scriptDir);

    // Runs one script line; blank lines and lines starting with "#" are
    // ignored, and so is everything after a fatal error.
    void runLine(std::string line);
    bool ended() const { return session_.ended; }

private:
    PlaySession session_;
    PlayCourseware courseware_;
    PlayCommands commands_;
};

}  // namespace talvoren::driver
