// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: --help and --version answer before any window (or display)
// is needed; otherwise the application object, its title and fonts, the main
// frame (which creates the other forms and loads the question set when it is
// first shown), then the message loop until the frame closes.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <malloc.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/class_overview_window.h"
#include "ui/command_line.h"
#include "ui/first_paint_exit.h"
#include "ui/font_config_warm_up.h"
#include "ui/class_records_setting.h"
#include "ui/frm_main.h"
#include "ui/self_write_setting.h"
#include "ui/zoom.h"

namespace {

using talvoren::ui::CommandLine;

std::vector<std::string> argumentsOf(int argc, char** argv) { return {argv, argv + argc}; }

std::vector<std::string> argumentsOf(const QStringList& list) {
    std::vector<std::string> args;
    for (const QString& arg : list) args.push_back(arg.toLocal8Bit().toStdString());
    return args;
}

int usageError(const CommandLine& command) {
    std::fprintf(stderr, "talvoren: %s\nTry 'talvoren --help' for more information.\n", command.error.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // One heap for all threads: the program's few helper threads (the
    // display's reader, the font warm-up) allocate little, and a heap of
    // their own each would hold pages of its own.
    mallopt(M_ARENA_MAX, 1);
    const CommandLine early = talvoren::ui::parseCommandLine(argumentsOf(argc, argv));
    if (early.action == CommandLine::Action::help) {
        std::fputs(talvoren::ui::helpText("talvoren").c_str(), stdout);
        return 0;
    }
    if (early.action == CommandLine::Action::version) {
        std::fputs(talvoren::ui::versionText(TALVOREN_VERSION).c_str(), stdout);
        return 0;
    }

    // A wrong command line is told before a display is needed, unless it
    // holds options that may be the toolkit's.
    if (early.action == CommandLine::Action::usageError && !early.toolkitOptionSeen) return usageError(early);

    // The font configuration is read on another core meanwhile, and the
    // toolkit's list of faces while the frame is made.
    talvoren::ui::FontConfigWarmUp fontConfig;

    // A screen larger than the layout is filled by the toolkit's scale
    // factor, which an application object takes when it is made: the factor
    // for the screen of the last run is set first, and only when this
    // screen asks for another is the application object made again.
    talvoren::ui::zoomForLastScreen();
    auto application = std::make_unique<QApplication>(argc, argv);
    if (talvoren::ui::prepareZoom()) {
        application.reset();
        application = std::make_unique<QApplication>(argc, argv);
    }
    QApplication& app = *application;
    fontConfig.listFaces();
    QApplication::setApplicationVersion(QStringLiteral(TALVOREN_VERSION));
    // Qt has taken its own options (-platform and the like) out by now.
    const CommandLine command = talvoren::ui::parseCommandLine(argumentsOf(QApplication::arguments()));
    if (command.action == CommandLine::Action::usageError) return usageError(command);
    try {
        talvoren::ui::setUpApplication(app);
        if (!command.classFolder.empty()) {  // a teacher's machine: the overview alone
            talvoren::ui::ClassOverviewWindow overview(QString::fromLocal8Bit(command.classFolder));
            overview.resize(QGuiApplication::primaryScreen()->availableGeometry().size());
            overview.show();
            return app.exec();
        }
        talvoren::ui::FrameOptions options;
        options.installedQuestionSet = TALVOREN_INSTALLED_QUESTION_SET;
        // The command line, else the settings (the machine's before the pupil's).
        const talvoren::ui::ClassRecordsSetting records = talvoren::ui::readClassRecordsSetting(
            talvoren::ui::zoomSettingsPath(), QString::fromLatin1(talvoren::ui::teacherSettingsPath));
        options.recordsFolder = command.recordsFolder.empty() ? records.folder : command.recordsFolder;
        options.pupil = command.pupil;
        if (options.pupil.empty() && records.pupilFromLogin) options.pupil = talvoren::ui::loginName();
        if (!command.questionSetFile.empty())
            options.openAtStart =
                QFileInfo(QString::fromLocal8Bit(command.questionSetFile)).absoluteFilePath().toLocal8Bit().toStdString();
        talvoren::ui::TfrmMain frame(std::move(options));
        fontConfig.finish();
        auto* firstLine = frame.findChild<QWidget*>(QStringLiteral("Image1"));
        const bool timed = firstLine && talvoren::ui::exitAfterFirstPaintWhenAsked(*firstLine);
        frame.show();
        const int status = app.exec();
        // Start-up is timed to the first paint: the tear-down is not part of it.
        if (timed) std::_Exit(status);
        return status;
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, talvoren::ui::applicationTitle, QString::fromLocal8Bit(e.what()));
    }
    return 1;  // an error nothing else caught ended the program
}
