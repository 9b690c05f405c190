// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_dump.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>

#include "ui/fonts.h"

namespace talvoren::ui {

namespace {

constexpr int dumpItemHeight = 12;

// Rows of exactly the listing's item height, tighter than the style's own.
class FixedHeightRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(dumpItemHeight);
        return size;
    }
};

}  // namespace

TfrmDump::TfrmDump(std::function<std::vector<std::string>()> listing, QWidget* parent)
    : QDialog(parent), listing_(std::move(listing)) {
    setWindowTitle(QStringLiteral("スタックの中身"));
    setFixedSize(389, 450);
    setFont(pixelFont(faceGothic, 12));

    lstDump = new QListWidget(this);
    lstDump->setGeometry(120, 8, 201, 401);
    lstDump->setUniformItemSizes(true);
    lstDump->setItemDelegate(new FixedHeightRows(lstDump));

    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setGeometry(24, 336, 73, 41);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmDump::fillListing() {
    lstDump->clear();
    for (const std::string& line : listing_()) lstDump->addItem(QString::fromStdString(line));
}

void TfrmDump::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) fillListing();  // not on a restore from minimised
    QDialog::showEvent(event);
}

}  // namespace talvoren::ui
