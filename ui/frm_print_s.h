// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TfrmPrintS: the print dialog. The margin (in characters) and the
// character size are chosen with up-downs and kept for the life of the
// program; the sample shows them; the printer is chosen in the platform's
// print dialog; 印刷開始 prints the worked page and leaves the dialog open.

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <memory>

#include "core/messages.h"
#include "ui/print_job.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace talvoren::ui {

class UpDown;

class TfrmPrintS : public QDialog {
public:
    // currentPage gives the worked page as it stands at the moment of printing.
    TfrmPrintS(MessageSink& messages, std::function<PrintablePage()> currentPage,
               QWidget* parent = nullptr);
    ~TfrmPrintS() override;

    QLabel* Label3;
    QLineEdit* edtSample;
    QLabel* Label2;
    QLineEdit* edtLMargin;
    UpDown* updLMargin;
    QLabel* Label1;
    QLineEdit* edtSize;
    UpDown* updSize;
    QPushButton* btnSettei;
    QPushButton* btnStart;
    QPushButton* btnCancel;

    // The printer 印刷開始 prints on (chosen by プリンタの設定).
    QPrinter& printer() { return *printer_; }

    // Margin and size, read back from the edits' texts.
    int margin() const;
    int size() const;
    // The sample's point size for the current size (14 .. 30).
    int samplePointSize() const;

    void updateSample();
    void btnSetteiClick();
    // True when the job was printed.
    bool btnStartClick();

    // The platform print dialog; replaceable so tests need not answer it.
    std::function<bool(QPrinter&, QWidget*)> runPrintDialog;

    // 印刷プレビュー: the worked page as 印刷開始 prints it (this dialog's
    // margin, size and printer), shown in the toolkit's preview window.
    void showPreview(QWidget* parent);
    // The toolkit's preview window, which calls paint for every redraw;
    // replaceable so tests need not close it.
    using PreviewPainter = std::function<void(QPrinter&)>;
    std::function<void(QPrinter&, QWidget*, const PreviewPainter&)> runPreviewDialog;

protected:
    void showEvent(QShowEvent* event) override;

private:
    MessageSink& messages_;
    std::function<PrintablePage()> currentPage_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace talvoren::ui
