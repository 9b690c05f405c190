// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application.h"

#include <QLibraryInfo>
#include <QTranslator>

#include "ui/deferred_icon_style.h"
#include "ui/fonts.h"

namespace talvoren::ui {

bool setUpApplication(QApplication& app) {
    // Only the name: a display name would be appended to every window's
    // caption, and the captions are the system's own.
    QApplication::setApplicationName(QStringLiteral("talvoren"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.talvoren.talvoren"));
    installFontSubstitutions();
    installDeferredIconStyle();
    // Every face is drawn unhinted (see pixelFont), the default face too:
    // its Japanese text falls back to the Japanese faces.
    QFont defaultFont = QApplication::font();
    defaultFont.setHintingPreference(QFont::PreferNoHinting);
    QApplication::setFont(defaultFont);
    auto* translator = new QTranslator(&app);
    const bool loaded = translator->load(QStringLiteral("qtbase_ja"),
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) QApplication::installTranslator(translator);
    return loaded;
}

}  // namespace talvoren::ui
