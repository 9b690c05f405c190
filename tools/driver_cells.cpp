#include "tools/driver.h"

namespace talvoren::driver {

int cmdCells(const Args&, std::ostream&, std::ostream& err) {
    err << "not built yet\n";
    return 1;
}

int cmdEntry(const Args&, std::ostream&, std::ostream& err) {
    err << "not built yet\n";
    return 1;
}

int cmdTransform(const Args&, std::ostream&, std::ostream& err) {
    err << "not built yet\n";
    return 1;
}

}  // namespace talvoren::driver
