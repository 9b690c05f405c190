// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmMondai: the unit selection dialog. It lists the units, shows the
// questions of the chosen unit as typeset previews with a marker bar on the
// left and a circled button on the right of each, and marks the question
// that OK will set up. Clicking a preview, its bar or its button marks it.

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "courseware/sequencing.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace talvoren::ui {

inline constexpr int previewRows = 7;

class LineImage;

// The scale at which a typeset line of lineWidth pixels fits a preview of
// imageWidth pixels: 1 when it fits as it is.
double previewScale(int lineWidth, int imageWidth);

class TfrmMondai : public QDialog, public UnitDialog {
public:
    // showRecords opens the records dialog over this one.
    TfrmMondai(CoursewareState& s, CoreState& core, std::function<void()> showRecords,
               QWidget* parent = nullptr);

    QLabel* lblMidashi;
    std::array<LineImage*, previewRows + 1> Image{};      // 1..7
    std::array<LineImage*, previewRows + 1> imgKakko{};   // 1..7
    std::array<QPushButton*, previewRows + 1> btnShiki{};  // 1..7
    QLabel* pnlGuide;
    QListWidget* lstTangen;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnShowRecord;
    // もっと練習 beside the unit list: closes the dialog and starts endless
    // practice on the chosen unit through onPractice.
    QPushButton* btnPractice;
    std::function<void(int unit)> onPractice;

    // The dialog's own state, kept between showings.
    int shownUnit = 1;
    std::array<int, 11> markedQuestion{};
    int previewCount = previewRows;

    // Lays the dialog out for a screen with this room for a window: the
    // full layout where it fits, else a narrower and shorter one.
    void fitRoom(QSize room);

    void formShow();
    void drawPreviews();
    void markQuestion(int n);
    void unmarkQuestion();
    void lstTangenClick();
    void btnOKClick();
    void btnCancelClick();
    void btnPracticeClick();
    void reject() override;

    // Shows the dialog modally from the stored unit and position; true on OK
    // (currentUnit and its position then name the chosen question).
    bool showModal() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void drawPreview(int n);
    void paintBar(int n, const QImage& templ, QPoint at);

    CoursewareState& s_;
    CoreState& core_;
    std::function<void()> showRecords_;
    QImage imgKakkoB_;
    QImage imgKakkoW_;
    bool filling_ = false;  // the unit list is being filled, not clicked
    int practiceUnit_ = 0;  // the unit もっと練習 was chosen for in this showing
};

}  // namespace talvoren::ui
