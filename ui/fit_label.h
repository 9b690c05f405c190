// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that shows its whole text: a text wider than the label is drawn
// in a smaller size of its font, down to a floor; beyond that its end stays
// in view (the label is right-aligned), so the latest key typed shows.

#include <QLabel>

namespace talvoren::ui {

class FitLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The font the text is drawn in: the label's own, or smaller to fit.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace talvoren::ui
