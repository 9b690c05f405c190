#include "solving/page.h"
