// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pupil's mastery of each skill as a row of bars: the skill's name and
// a bar that fills as it is learnt, full and marked once it is mastered.

#include <QWidget>
#include <array>

#include "courseware/mastery.h"

class QLabel;
class QProgressBar;

namespace talvoren::ui {

class SkillBars : public QWidget {
public:
    explicit SkillBars(QWidget* parent = nullptr);

    // Shows a bar for each skill of `shown`, the others hidden.
    void showMastery(const Mastery& mastery, const SkillSet& shown);
    QProgressBar* bar(Skill s) const { return bars_[skillIndex(s)]; }

private:
    std::array<QLabel*, skillCount> names_{};
    std::array<QProgressBar*, skillCount> bars_{};
};

}  // namespace talvoren::ui
