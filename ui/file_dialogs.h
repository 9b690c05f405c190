// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt side of the file flows' seam: the open and save dialogs with the
// filter "ineファイル (*.ine)", the question-set editor, and the fatal error
// that ends the program.

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "courseware/file_flows.h"

namespace talvoren::ui {

class TfrmEditQues;

inline const QString questionSetFilter = QStringLiteral("ineファイル (*.ine)");

// Runs a file dialog (parent, proposed path) and gives the chosen path.
using PathDialog = std::function<std::optional<std::string>(QWidget*, const std::string&)>;
std::optional<std::string> runOpenDialog(QWidget* parent, const std::string& proposed);
std::optional<std::string> runSaveDialog(QWidget* parent, const std::string& proposed);

class QtFlowWindows : public FlowWindows {
public:
    // makeEditor makes the question-set editor when it is first needed.
    QtFlowWindows(QWidget* parent, std::function<TfrmEditQues*()> makeEditor,
                  std::function<void(const std::string&)> fatal)
        : parent_(parent), makeEditor_(std::move(makeEditor)), fatal_(std::move(fatal)) {}

    std::optional<std::string> askOpenPath(const std::string& proposed) override;
    std::optional<std::string> askSavePath(const std::string& proposed) override;
    bool showEditor() override;
    void setEditorCaption(const std::string& path) override;
    void fatalError(const std::string& text) override;

    // Replaceable so that tests can answer the file dialogs.
    PathDialog openDialog = runOpenDialog;
    PathDialog saveDialog = runSaveDialog;

    // The editor, made at the first call with the caption last set.
    TfrmEditQues& editor();

private:
    QWidget* parent_;
    std::function<TfrmEditQues*()> makeEditor_;
    TfrmEditQues* editor_ = nullptr;
    std::optional<std::string> caption_;
    std::function<void(const std::string&)> fatal_;
};

}  // namespace talvoren::ui
