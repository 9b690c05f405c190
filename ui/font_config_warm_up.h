// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the font configuration on another core while the application object
// connects to the display. The first call into fontconfig parses all its
// configuration files and loads its caches (some milliseconds); the toolkit
// makes that call at the first text it measures, on the way to the first
// picture. Once read, the configuration is fontconfig's process-wide one.

#include <thread>

namespace talvoren::ui {

class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until the configuration is read; call it before the first text
    // is measured, so that the toolkit does not read it a second time.
    void finish();

    // Once the application object exists: the toolkit's list of faces is
    // made on another core while the caller builds its windows (the toolkit
    // guards that list; a window measuring text meanwhile waits for it).
    void listFaces();

    // False when fontconfig was not found loaded (nothing is read then).
    bool started() const { return started_; }

private:
    std::thread reader_;
    bool started_ = false;
};

}  // namespace talvoren::ui
