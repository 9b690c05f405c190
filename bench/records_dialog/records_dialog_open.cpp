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
#include <fstream>
#include <string>

#include "core/sjis.h"
#include "courseware/records.h"
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

talvoren::CoursewareState fullestSet(const std::string& recordFile) {
    talvoren::CoursewareState s;
    std::string records;
    for (int u = 1; u <= talvoren::maxUnits; ++u) {
        const std::string title = "単元" + std::to_string(u);
        s.unitTitles[u] = title;
        s.unitQuestionCount[u] = talvoren::maxUnitQuestions;
        records += "[" + title + "]\r\n";
        for (int q = 1; q <= talvoren::maxUnitQuestions; ++q)
            records += std::to_string(q) + "=" + std::to_string(talvoren::maxRecordCount) + "\r\n";
        records += "DATE=2026年12月07日09:05\r\n";
    }
    s.unitCount = talvoren::maxUnits;
    std::ofstream(recordFile, std::ios::binary) << talvoren::sjis::toCp932(records).value();
    return s;
}

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
    const talvoren::CoursewareState s = fullestSet(folder + talvoren::recordFileName);

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
