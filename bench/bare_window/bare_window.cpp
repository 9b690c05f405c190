// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: about the least a Japanese Qt 6
// Widgets program does before its first picture is on the screen. One window
// of the main frame's size (1024 × 740 on a 1024 × 768 screen) with one
// Japanese label in IPAGothic and one line in URW Bookman italic, Qt's
// Japanese translation loaded; the process ends after the first paint of the
// line (after a round trip to the window system, without tearing down), as
// the program does under TALVOREN_EXIT_AFTER_FIRST_PAINT.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>
#include <QVBoxLayout>
#include <cstdlib>

namespace {

class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    QGuiApplication::sync();
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        return false;
    }
};

QFont pixelFont(const QString& family, int pixels, bool italic) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setItalic(italic);
    return font;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTranslator translator;
    if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);

    QWidget window;
    window.setWindowTitle(QStringLiteral("不等式"));
    auto* layout = new QVBoxLayout(&window);
    auto* caption = new QLabel(QStringLiteral("（1） 次の不等式を解きなさい"));
    caption->setFont(pixelFont(QStringLiteral("IPAGothic"), 16, false));
    auto* line = new QLabel(QStringLiteral("2x + 3 < 5"));
    line->setFont(pixelFont(QStringLiteral("URW Bookman"), 24, true));
    layout->addWidget(caption);
    layout->addWidget(line);
    layout->addStretch();

    QuitAfterPaint watch;
    line->installEventFilter(&watch);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    window.setGeometry(0, 0, screen.width(), screen.height() - 28);
    window.show();
    std::_Exit(app.exec());  // as the program does: no tear-down after the first paint
}
