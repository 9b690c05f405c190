// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_sentaku.h"

#include <QLineEdit>
#include <QPushButton>

#include "solving/page.h"
#include "ui/fonts.h"
#include "ui/line_image.h"

namespace talvoren::ui {

TfrmSentaku::TfrmSentaku(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSentaku"));
    setWindowTitle(QStringLiteral("特殊な解"));
    setFixedSize(185, 207);
    setFont(pixelFont(facePGothic, 12));
    setModal(true);

    Edit1 = new QLineEdit(QStringLiteral("解の種類を選んでください"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setGeometry(8, 12, 169, 24);

    btnMusu = new QPushButton(QStringLiteral("解は無数にある(&A)"), this);
    btnMusu->setObjectName(QStringLiteral("btnMusu"));
    btnMusu->setGeometry(16, 56, 153, 57);
    btnMusu->setAutoDefault(false);
    btnKainashi = new QPushButton(QStringLiteral("解なし(&B)"), this);
    btnKainashi->setObjectName(QStringLiteral("btnKainashi"));
    btnKainashi->setGeometry(16, 129, 153, 57);
    btnKainashi->setAutoDefault(false);

    connect(btnMusu, &QPushButton::clicked, this, [this] { done(sentakuMusu); });
    connect(btnKainashi, &QPushButton::clicked, this, [this] { done(sentakuKainashi); });
}

void TfrmSentaku::reject() { done(sentakuClosed); }

void TfrmSentaku::showEvent(QShowEvent* event) {
    // Beside line 1: 8 pixels right of its image, 30 below its top.
    if (anchor_) move(anchor_->mapToGlobal(QPoint(anchor_->width() + 8, 30)));
    QDialog::showEvent(event);
}

}  // namespace talvoren::ui
