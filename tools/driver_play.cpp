#include "tools/driver.h"

namespace talvoren::driver {

int cmdPlay(const Args&, std::ostream&, std::ostream& err) {
    err << "not built yet\n";
    return 1;
}

}  // namespace talvoren::driver
