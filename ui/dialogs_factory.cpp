// The dialogs the program runs with. Belongs to the dialogs' author, who
// replaces the body with the real implementation.
#include "ui/dialogs.h"

namespace talvoren::ui {

std::unique_ptr<Dialogs> makeDialogs() { return std::make_unique<Dialogs>(); }

}  // namespace talvoren::ui
