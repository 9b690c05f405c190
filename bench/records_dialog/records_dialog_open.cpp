// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the records dialog over the fullest record file there can be: ten
// units of seven questions, each solved 9999 times. Timed from outside, side
// by side with the same process that stops short of opening the dialog:
//
//   records_dialog_open open    build the dialog, show it, paint it, close it
//   records_dialog_open none    the same process without opening the dialog
//
// It also prints the time from show() to the first paint done, measured
// inside, on stderr.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench/fullest_records.h"
#include "ui/application.h"
#include "ui/frm_kiroku.h"
#include "ui/message_box.h"

namespace {

// Quits the event loop once the list has been painted.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || (std::strcmp(argv[1], "open") != 0 && std::strcmp(argv[1], "none") != 0)) {
        std::fprintf(stderr, "usage: records_dialog_open open|none\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    talvoren::ui::setUpApplication(app);

    std::string folder = (std::filesystem::temp_directory_path() / "talvoren-records-XXXXXX").string();
    if (!mkdtemp(folder.data())) return 1;
    folder += "/";
    const talvoren::CoursewareState s = talvoren::bench::fullestRecords(folder + talvoren::recordFileName);

    talvoren::ui::QtMessageSink messages;
    talvoren::PracticeRecords records(folder, messages);
    talvoren::ui::TfrmDelete deletion(records, s, messages);
    talvoren::ui::TfrmKiroku kiroku(records, s, deletion);

    if (std::strcmp(argv[1], "open") == 0) {
        PaintWatch watch;
        kiroku.lstTitle->viewport()->installEventFilter(&watch);
        QElapsedTimer timer;
        timer.start();
        kiroku.show();
        app.exec();
        std::fprintf(stderr, "show to first paint: %.2f ms, %d rows\n", timer.nsecsElapsed() / 1e6,
                     kiroku.lstTitle->count());
        kiroku.close();
    }
    std::filesystem::remove_all(folder);
    return 0;
}
