#include "tools/driver.h"

namespace talvoren::driver {

int cmdCheck(const Args&, std::ostream&, std::ostream& err) {
    err << "not built yet\n";
    return 1;
}

}  // namespace talvoren::driver
