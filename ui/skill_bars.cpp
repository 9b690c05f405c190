// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skill_bars.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace talvoren::ui {

SkillBars::SkillBars(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("skillBars"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    for (std::size_t i = 0; i < skillNames.size(); ++i) {
        names_[i] = new QLabel(QString::fromUtf8(skillNames[i].data(), static_cast<int>(skillNames[i].size())), this);
        bars_[i] = new QProgressBar(this);
        bars_[i]->setRange(0, 100);
        bars_[i]->setMinimumWidth(90);
        grid->addWidget(names_[i], static_cast<int>(i), 0);
        grid->addWidget(bars_[i], static_cast<int>(i), 1);
    }
    grid->setRowStretch(skillCount, 1);
}

void SkillBars::showMastery(const Mastery& mastery, const SkillSet& shown) {
    for (std::size_t i = 0; i < skillNames.size(); ++i) {
        const auto skill = static_cast<Skill>(i);
        names_[i]->setVisible(shown.test(i));
        bars_[i]->setVisible(shown.test(i));
        bars_[i]->setValue(static_cast<int>(mastery.of(skill) * 100 + 0.5));
        bars_[i]->setFormat(mastery.mastered(skill) ? QStringLiteral("★ 身についた") : QStringLiteral("%p%"));
    }
}

}  // namespace talvoren::ui
