// SPDX-License-Identifier: GPL-3.0-or-later
// The play command that turns 読み上げ on or off.

#include <iostream>

#include "tools/driver_play_session.h"

namespace talvoren::driver {

PlayCommands speechPlayCommands() {
    return {{"speech", [](PlaySession& s, const std::string& argument) {
                 if (argument != "on" && argument != "off") {
                     std::cerr << "play: speech on or speech off expected, not " << argument << '\n';
                     return;
                 }
                 s.readAloud.on = argument == "on";
             }}};
}

}  // namespace talvoren::driver
