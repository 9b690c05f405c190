// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the program runs with.
#include "ui/dialogs.h"
#include "ui/program_dialogs.h"

namespace talvoren::ui {

std::unique_ptr<Dialogs> makeDialogs() { return std::make_unique<ProgramDialogs>(); }

}  // namespace talvoren::ui
