// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>

#include "tools/driver.h"

namespace talvoren::driver {

namespace {

void usage(std::ostream& err) {
    err << "usage: talvoren-driver cells TEXT | entry TEXT [LETTER] | transform OP TEXT [ARG] | "
           "play SCRIPT | check FILE.ine | report FILE.ine | solve TEXT [CAPACITY] | "
           "solve-file FILE [CAPACITY] | read TEXT | class DIR [NOW] | export datashop|xapi DIR [HOMEPAGE] | "
           "generate SKILLS STEPS COUNT SEED\n";
}

}  // namespace

int runDriver(const Args& argv, std::ostream& out, std::ostream& err) {
    using Command = int (*)(const Args&, std::ostream&, std::ostream&);
    static const std::map<std::string, Command> commands = {
        {"cells", cmdCells}, {"entry", cmdEntry}, {"transform", cmdTransform},
        {"play", cmdPlay},   {"check", cmdCheck}, {"report", cmdReport},
        {"solve", cmdSolve}, {"solve-file", cmdSolveFile},
        {"read", cmdRead},
        {"class", cmdClass}, {"export", cmdExport},
        {"generate", cmdGenerate},
    };
    if (argv.empty()) {
        usage(err);
        return 2;
    }
    const auto it = commands.find(argv.front());
    if (it == commands.end()) {
        usage(err);
        return 2;
    }
    const int status = it->second(Args(argv.begin() + 1, argv.end()), out, err);
    if (status == 2) usage(err);
    return status;
}

}  // namespace talvoren::driver
