// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_greet.h"

#include <QPushButton>

#include "ui/glyphs.h"

namespace talvoren::ui {

TfrmGreet::TfrmGreet(QSize screen) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmGreet"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize size(218, 182);
    setFixedSize(size);
    move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
    BitBtn1 = new QPushButton(this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(18, 16, 183, 153);
    const QPixmap picture = greetingPicture();
    BitBtn1->setIcon(QIcon(picture));
    BitBtn1->setIconSize(picture.size() - QSize(6, 6));
    BitBtn1->setFocusPolicy(Qt::NoFocus);
}

}  // namespace talvoren::ui
