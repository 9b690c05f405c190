// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/font_config_warm_up.h"

#include <QFontDatabase>
#include <QStringList>
#include <dlfcn.h>

namespace talvoren::ui {

namespace {

// The toolkit links fontconfig, so it is loaded with the program: it is
// looked up rather than linked, which needs no development files for it.
using FcInitFunction = int (*)();

FcInitFunction loadedFcInit() {
    void* fontconfig = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!fontconfig) return nullptr;
    auto* init = reinterpret_cast<FcInitFunction>(dlsym(fontconfig, "FcInit"));
    dlclose(fontconfig);  // only drops the reference taken above
    return init;
}

}  // namespace

FontConfigWarmUp::FontConfigWarmUp() {
    if (FcInitFunction init = loadedFcInit()) {
        reader_ = std::thread(init);
        started_ = true;
    }
}

FontConfigWarmUp::~FontConfigWarmUp() { finish(); }

void FontConfigWarmUp::listFaces() {
    finish();
    reader_ = std::thread([] { QFontDatabase::families(); });
}

void FontConfigWarmUp::finish() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace talvoren::ui
