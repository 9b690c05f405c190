// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/trial_flow.h"

#include <QInputDialog>

#include "core/entry_parser.h"
#include "solving/trial_value.h"
#include "ui/qt_page.h"

namespace talvoren::ui {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TrialFlow::TrialFlow(Worksheet& worksheet, CoreState& core, QtPage& page, Ask ask)
    : worksheet_(worksheet), core_(core), page_(page), ask_(std::move(ask)) {}

QString TrialFlow::promptText(char letter, const SuggestedValues& suggested, bool firstTime) {
    QString prompt = QStringLiteral("%1 に数を入れて、不等式が成り立つか確かめましょう。").arg(QChar(letter));
    if (!firstTime) return prompt;
    if (suggested.inside && suggested.outside)
        return prompt + QStringLiteral("\n例えば %1 は解に入る数、%2 は解に入らない数です。")
                            .arg(qs(ratioText(*suggested.inside)), qs(ratioText(*suggested.outside)));
    if (suggested.inside) return prompt + QStringLiteral("\nどんな数を入れても成り立ちます。例えば %1 で確かめましょう。").arg(qs(ratioText(*suggested.inside)));
    return prompt + QStringLiteral("\nどんな数を入れても成り立ちません。例えば %1 で確かめましょう。").arg(qs(ratioText(*suggested.outside)));
}

void TrialFlow::run() {
    const std::optional<SolutionSet> set = solutionSetOnPage(worksheet_.state(), core_);
    if (!set) return;
    const char letter = core_.unknownLetter;
    const SuggestedValues suggested = suggestedValues(*set);
    const std::optional<Ratio> first = suggested.inside ? suggested.inside : suggested.outside;
    const bool firstTime = !suggested_;
    suggested_ = true;
    const std::optional<QString> text =
        ask_(promptText(letter, suggested, firstTime), firstTime && first ? qs(ratioText(*first)) : QString());
    if (!text || text->trimmed().isEmpty()) return;
    // The pad's syntax: "3", "-0.5", "2分の1"; "1/2" is taken too.
    QString padText = text->trimmed();
    const bool negative = padText.startsWith(QLatin1Char('-'));
    if (negative) padText.remove(0, 1);
    if (const int slash = padText.indexOf(QLatin1Char('/')); slash > 0)
        padText = padText.mid(slash + 1) + QStringLiteral("分の") + padText.left(slash);
    if (negative) padText.prepend(QLatin1Char('-'));
    const ExprCell cell = parseEntry(core_, padText.toStdString());
    worksheet_.showNotices();
    if (cell.den == 0) return;  // the pad's own message has been shown
    if (cell.kind != CellKind::constant) {
        worksheet_.showMessage("数を入れてください");
        return;
    }
    const std::optional<TrialResult> trial = tryValue(worksheet_.line(1), letter, Ratio::of(cell));
    if (!trial) {
        worksheet_.showMessage("この数では計算できません");
        return;
    }
    page_.showTrial(*set, trial->value, trialSentence(letter, *trial));
}

TrialFlow::Ask inputDialogAsk(QWidget* parent) {
    return [parent](const QString& prompt, const QString& first) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, QStringLiteral("確かめ"), prompt, QLineEdit::Normal, first, &ok);
        if (!ok) return std::nullopt;
        return text;
    };
}

}  // namespace talvoren::ui
