// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_version.h"

#include "ui/application.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace talvoren::ui {

namespace {

constexpr const char* fallbackVersion = "1.0.0";

// The program's icon when the application carries one; otherwise the same
// motif drawn here: a relation sign on the frame's teal.
QPixmap programPicture(int side) {
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) return icon.pixmap(side, side);
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 192, 192));
    painter.setPen(QPen(QColor(0, 96, 96), 3));
    painter.drawRoundedRect(QRectF(2, 2, side - 4, side - 4), side / 6.0, side / 6.0);
    painter.setFont(pixelFont(faceMincho, side * 2 / 3));
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("≦"));
    return picture;
}

}  // namespace

QString versionLine() {
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty()) version = QString::fromLatin1(fallbackVersion);
    return QStringLiteral("バージョン ") + version;
}

TfrmVersion::TfrmVersion(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFixedSize(448, 351);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* picture = new QLabel(this);
    picture->setPixmap(programPicture(96));
    picture->setGeometry(40, 40, 96, 96);

    lblTitle = new QLabel(applicationTitle, this);
    lblTitle->setFont(pixelFont(faceBookman, 28, false, true));
    lblTitle->setGeometry(160, 48, 270, 40);

    lblVersion = new QLabel(versionLine(), this);
    lblVersion->setGeometry(160, 96, 270, 24);

    auto* about = new QLabel(QStringLiteral("一次不等式を一歩ずつ解く練習のためのソフトです。\n"
                                            "式を選び、操作を選び、数を入れて［実行］。"),
                             this);
    about->setWordWrap(true);
    about->setGeometry(40, 170, 368, 60);

    auto* frame = new QLabel(this);
    frame->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    frame->setGeometry(24, 250, 400, 2);

    btnClose = new QPushButton(QStringLiteral("閉じる"), this);
    btnClose->setGeometry(174, 280, 100, 33);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace talvoren::ui
