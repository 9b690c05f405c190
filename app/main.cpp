// Program entry: the application object, its title and fonts, the main frame
// (which creates the other forms and loads the question set when it is first
// shown), then the message loop until the frame closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "ui/application.h"
#include "ui/frm_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    try {
        talvoren::ui::setUpApplication(app);
        talvoren::ui::TfrmMain frame;
        frame.show();
        app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, talvoren::ui::applicationTitle, QString::fromLocal8Bit(e.what()));
    }
    return 0;
}
