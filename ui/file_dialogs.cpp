// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/file_dialogs.h"

#include <QFileDialog>

#include "ui/frm_edit_ques.h"

namespace talvoren::ui {

namespace {

std::optional<std::string> runFileDialog(QWidget* parent, const std::string& proposed,
                                         QFileDialog::AcceptMode mode) {
    const QString path = QString::fromStdString(proposed);
    QFileDialog dialog(parent, mode == QFileDialog::AcceptOpen ? QStringLiteral("開く") : QStringLiteral("保存"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(questionSetFilter);
    dialog.setDefaultSuffix(QStringLiteral("ine"));
    if (!path.isEmpty()) dialog.selectFile(path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

std::optional<std::string> runOpenDialog(QWidget* parent, const std::string& proposed) {
    return runFileDialog(parent, proposed, QFileDialog::AcceptOpen);
}

std::optional<std::string> runSaveDialog(QWidget* parent, const std::string& proposed) {
    return runFileDialog(parent, proposed, QFileDialog::AcceptSave);
}

std::optional<std::string> QtFlowWindows::askOpenPath(const std::string& proposed) {
    return openDialog(parent_, proposed);
}

std::optional<std::string> QtFlowWindows::askSavePath(const std::string& proposed) {
    return saveDialog(parent_, proposed);
}

TfrmEditQues& QtFlowWindows::editor() {
    if (!editor_) {
        editor_ = makeEditor_();
        if (caption_) editor_->setEditorCaption(*caption_);
    }
    return *editor_;
}

bool QtFlowWindows::showEditor() { return editor().exec() == QDialog::Accepted; }

void QtFlowWindows::setEditorCaption(const std::string& path) {
    caption_ = path;
    if (editor_) editor_->setEditorCaption(path);
}

void QtFlowWindows::fatalError(const std::string& text) { fatal_(text); }

}  // namespace talvoren::ui
