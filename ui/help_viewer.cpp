// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_viewer.h"

#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>
#include <utility>

// The document is compiled into the static ui library; the library has to
// register it itself, or the linker drops it.
static void registerHelpDocument() { Q_INIT_RESOURCE(help); }

namespace talvoren::ui {

namespace {

constexpr std::array<std::pair<int, const char*>, 3> anchors{{
    {helpContents, "contents"},
    {helpPoint, "point"},
    {helpFrame, "frame"},
}};

}  // namespace

QString helpAnchor(int context) {
    for (const auto& [number, anchor] : anchors)
        if (number == context) return QString::fromLatin1(anchor);
    return QStringLiteral("contents");
}

QUrl helpUrl(int context) {
    QUrl url(QStringLiteral("qrc:/help/talvoren.html"));
    url.setFragment(helpAnchor(context));
    return url;
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpDocument();
    setWindowTitle(QStringLiteral("Merulan Talvoren ヘルプ"));
    resize(720, 600);

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* toContents = new QPushButton(QStringLiteral("目次(&C)"), this);
    auto* back = new QPushButton(QStringLiteral("戻る(&B)"), this);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(toContents, &QPushButton::clicked, this, [this] { showContext(helpContents); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Esc and the platform's close keys (Ctrl+W) close the window too.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(toContents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpViewer::showContext(int context) {
    // Within the loaded document this only scrolls to the anchor (and is
    // remembered for 戻る).
    browser_->setSource(helpUrl(context));
    show();
    raise();
    activateWindow();
}

}  // namespace talvoren::ui
