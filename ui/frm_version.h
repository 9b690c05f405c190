// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmVersion: the version dialog of the help menu — the program's icon,
// its title and version, and a close button.

#include <QDialog>

class QLabel;
class QPushButton;

namespace talvoren::ui {

class TfrmVersion : public QDialog {
public:
    explicit TfrmVersion(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* btnClose;
};

// The version line shown in the dialog.
QString versionLine();

}  // namespace talvoren::ui
