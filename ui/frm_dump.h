// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmDump: the stack listing — the raw cells of every line of the worked
// solution, one text per list entry, refilled each time it is shown.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace talvoren::ui {

class TfrmDump : public QDialog {
public:
    // listing gives the listing's lines (UTF-8) at the moment of showing.
    explicit TfrmDump(std::function<std::vector<std::string>()> listing, QWidget* parent = nullptr);

    QListWidget* lstDump;
    QPushButton* btnClose;

    void fillListing();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<std::vector<std::string>()> listing_;
};

}  // namespace talvoren::ui
