// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "tools/driver.h"

int main(int argc, char** argv) {
    return talvoren::driver::runDriver(talvoren::driver::Args(argv + 1, argv + argc), std::cout,
                                       std::cerr);
}
