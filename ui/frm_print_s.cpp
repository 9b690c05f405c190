// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_print_s.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QShowEvent>

#include "ui/fonts.h"
#include "ui/up_down.h"

namespace talvoren::ui {

namespace {

constexpr int initialMargin = 4;
constexpr int initialSize = 2;
constexpr const char* sampleText = "ax+by=c";

// The hourglass for the length of a print job.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QLineEdit* numberEdit(QWidget* parent, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFont(pixelFont(faceGothic, 27));
    edit->setAlignment(Qt::AlignCenter);
    edit->setGeometry(geometry);
    return edit;
}

bool runPlatformPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void runPlatformPreviewDialog(QPrinter& printer, QWidget* parent, const TfrmPrintS::PreviewPainter& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("印刷プレビュー"));
    // As large as the program's window, so that a line reads on a small screen too.
    if (parent) dialog.resize(parent->window()->size());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    dialog.exec();
}

}  // namespace

TfrmPrintS::TfrmPrintS(MessageSink& messages, std::function<PrintablePage()> currentPage,
                       QWidget* parent)
    : QDialog(parent),
      runPrintDialog(runPlatformPrintDialog),
      runPreviewDialog(runPlatformPreviewDialog),
      messages_(messages),
      currentPage_(std::move(currentPage)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setResolution(printResolution);
    setWindowTitle(QStringLiteral("印刷"));
    setFixedSize(256, 248);
    setFont(pixelFont(facePGothic, 12));

    Label3 = new QLabel(QStringLiteral("プリントイメージ"), this);
    Label3->setGeometry(16, 6, 225, 16);
    edtSample = new QLineEdit(this);
    edtSample->setReadOnly(true);
    edtSample->setFocusPolicy(Qt::NoFocus);
    edtSample->setGeometry(16, 22, 225, 65);

    Label2 = new QLabel(QStringLiteral("左側空白（文字数）"), this);
    Label2->setGeometry(16, 96, 110, 16);
    edtLMargin = numberEdit(this, QRect(16, 114, 56, 38));
    updLMargin = new UpDown(edtLMargin, 0, 10, initialMargin, this);
    updLMargin->setGeometry(72, 114, 20, 38);

    Label1 = new QLabel(QStringLiteral("文字の大きさ"), this);
    Label1->setGeometry(136, 96, 105, 16);
    edtSize = numberEdit(this, QRect(136, 114, 56, 38));
    updSize = new UpDown(edtSize, 1, 5, initialSize, this);
    updSize->setGeometry(192, 114, 20, 38);

    btnSettei = new QPushButton(QStringLiteral("プリンタの設定"), this);
    btnSettei->setGeometry(16, 164, 225, 30);
    btnStart = new QPushButton(QStringLiteral("印刷開始"), this);
    btnStart->setGeometry(16, 204, 108, 32);
    btnCancel = new QPushButton(QStringLiteral("閉じる"), this);
    btnCancel->setGeometry(133, 204, 108, 32);

    updLMargin->onClick = [this] { updateSample(); };
    updSize->onClick = [this] { updateSample(); };
    connect(btnSettei, &QPushButton::clicked, this, [this] { btnSetteiClick(); });
    connect(btnStart, &QPushButton::clicked, this, [this] { btnStartClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    updateSample();
}

TfrmPrintS::~TfrmPrintS() = default;

int TfrmPrintS::margin() const { return edtLMargin->text().toInt(); }
int TfrmPrintS::size() const { return edtSize->text().toInt(); }
int TfrmPrintS::samplePointSize() const { return size() * 4 + 10; }

void TfrmPrintS::updateSample() {
    QFont font = edtSample->font();
    font.setPointSize(samplePointSize());
    edtSample->setFont(font);
    edtSample->setText(QString(margin(), QLatin1Char(' ')) + QString::fromLatin1(sampleText));
}

void TfrmPrintS::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) updateSample();  // not on a restore from minimised
    QDialog::showEvent(event);
}

void TfrmPrintS::showPreview(QWidget* parent) {
    runPreviewDialog(*printer_, parent, [this](QPrinter& printer) {
        if (!printWorkedPage(printer, currentPage_(), margin(), size())) messages_.showMessage(printFailedText);
    });
}

void TfrmPrintS::btnSetteiClick() { runPrintDialog(*printer_, this); }

bool TfrmPrintS::btnStartClick() {
    bool printed = false;
    {
        WaitCursor hourglass;
        printed = printWorkedPage(*printer_, currentPage_(), margin(), size());
    }
    if (!printed) messages_.showMessage(printFailedText);
    return printed;
}

}  // namespace talvoren::ui
