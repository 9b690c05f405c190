// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zoom.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <array>

#include "core/messages.h"

namespace talvoren::ui {

namespace {

const QString zoomKey = QStringLiteral("screen/zoom");
const QString screenKey = QStringLiteral("screen/size");
const char* const scaleFactorVariable = "QT_SCALE_FACTOR";
// Factors this close to 1 are no zoom: the layout stays pixel for pixel.
constexpr double noZoom = 1.01;

struct ZoomItem {
    ZoomChoice choice;
    const char* key;       // in the settings file
    const char* caption;   // in the menu
    const char* name;      // the action's object name
    double percent;        // 0: fill the screen
};

constexpr std::array<ZoomItem, 5> zoomItems{{
    {ZoomChoice::fitScreen, "fit", "画面に合わせる(&F)", "mnuZoomFit", 0},
    {ZoomChoice::percent100, "100", "100 %", "mnuZoom100", 100},
    {ZoomChoice::percent125, "125", "125 %", "mnuZoom125", 125},
    {ZoomChoice::percent150, "150", "150 %", "mnuZoom150", 150},
    {ZoomChoice::percent200, "200", "200 %", "mnuZoom200", 200},
}};

// The factor this run was started with.
double appliedZoom = 1.0;

// The scale factor the desktop asks for (a 200 % desktop), read before this
// program sets its own on top of it.
double desktopScale() {
    static const double scale = [] {
        bool ok = false;
        const double asked = qEnvironmentVariable(scaleFactorVariable).toDouble(&ok);
        return ok && asked > 0 ? asked : 1.0;
    }();
    return scale;
}

void applyZoom(double factor) {
    const double desktop = desktopScale();
    qputenv(scaleFactorVariable, QByteArray::number(desktop * factor, 'f', 4));
    appliedZoom = factor;
}

const ZoomItem& itemOf(ZoomChoice choice) {
    return *std::find_if(zoomItems.begin(), zoomItems.end(), [choice](const ZoomItem& i) { return i.choice == choice; });
}

}  // namespace

double zoomFactor(ZoomChoice choice, QSize screen) {
    const double fill = std::min(double(screen.width()) / zoomedLayout.width(),
                                 double(screen.height()) / zoomedLayout.height());
    if (fill < noZoom) return 1.0;
    const double wanted = choice == ZoomChoice::fitScreen ? fill : itemOf(choice).percent / 100.0;
    return std::clamp(wanted, 1.0, fill);
}

QString zoomSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/talvoren/talvoren.ini");
}

ZoomChoice savedZoomChoice() {
    const QString key = QSettings(zoomSettingsPath(), QSettings::IniFormat).value(zoomKey).toString();
    for (const ZoomItem& item : zoomItems)
        if (key == QLatin1String(item.key)) return item.choice;
    return ZoomChoice::fitScreen;
}

bool saveSetting(const QString& key, const QVariant& value) {
    const QString path = zoomSettingsPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool saveZoomChoice(ZoomChoice choice) { return saveSetting(zoomKey, QLatin1String(itemOf(choice).key)); }

QSize lastScreenSize() {
    return QSettings(zoomSettingsPath(), QSettings::IniFormat).value(screenKey).toSize();
}

bool saveLastScreenSize(QSize screen) { return saveSetting(screenKey, screen); }

QString zoomRefusal(ZoomChoice choice, QSize screen) {
    const double percent = itemOf(choice).percent;
    if (percent <= 100) return {};  // filling the screen and 100 % always apply
    const double fill = std::min(double(screen.width()) / zoomedLayout.width(),
                                 double(screen.height()) / zoomedLayout.height());
    if (fill < noZoom)
        return QStringLiteral("この画面（%1×%2）では拡大できません。拡大は 1024×768 より大きい画面で使えます")
            .arg(screen.width())
            .arg(screen.height());
    if (percent / 100.0 > fill + (noZoom - 1.0))
        return QStringLiteral("この画面（%1×%2）では %3 %までしか拡大できません")
            .arg(screen.width())
            .arg(screen.height())
            .arg(int(std::floor(fill * 100)));
    return {};
}

std::optional<double> zoomChange(ZoomChoice choice, QSize screen, double applied) {
    const double factor = zoomFactor(choice, screen);
    if (std::abs(factor - applied) < noZoom - 1.0) return std::nullopt;
    return factor;
}

void zoomForLastScreen() {
    const QSize last = lastScreenSize();
    if (last.isEmpty()) return;
    if (const auto factor = zoomChange(savedZoomChoice(), last, 1.0)) applyZoom(*factor);
}

bool prepareZoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QSize unzoomed = (QSizeF(screen->size()) * appliedZoom).toSize();
    // Only a new size is written: most starts read the file and leave it.
    if (unzoomed != lastScreenSize()) saveLastScreenSize(unzoomed);
    const auto factor = zoomChange(savedZoomChoice(), unzoomed, appliedZoom);
    if (!factor) return false;
    applyZoom(*factor);
    return true;
}

QMenu* addZoomMenu(QMenu* view, MessageSink& messages) {
    QMenu* menu = view->addMenu(QStringLiteral("拡大(&Z)"));
    menu->setObjectName(QStringLiteral("mnuZoom"));
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    const ZoomChoice saved = savedZoomChoice();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QSize screenBeforeZoom = primary ? (QSizeF(primary->size()) * appliedZoom).toSize() : zoomedLayout;
    for (const ZoomItem& item : zoomItems) {
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(true);
        action->setChecked(item.choice == saved);
        // A factor this screen cannot take is shown, greyed, with the reason.
        if (const QString refusal = zoomRefusal(item.choice, screenBeforeZoom); !refusal.isEmpty()) {
            action->setEnabled(false);
            action->setToolTip(refusal);
            action->setStatusTip(refusal);
        }
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [&messages, screenBeforeZoom, choice = item.choice] {
            if (!saveZoomChoice(choice)) {
                messages.showMessage("拡大の設定を保存できませんでした");
                return;
            }
            if (zoomChange(choice, screenBeforeZoom, appliedZoom))
                messages.showMessage("拡大は次に起動したときから変わります");
        });
    }
    return menu;
}

}  // namespace talvoren::ui
