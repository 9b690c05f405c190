// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>

#include "solving/line_labels.h"
#include "solving/spoken_lines.h"
#include "ui/control_panel.h"
#include "ui/frm_page.h"
#include "ui/line_image.h"

namespace talvoren::ui {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

void name(QWidget* w, const QString& name, const QString& description = QString()) {
    w->setAccessibleName(name);
    if (!description.isEmpty()) w->setAccessibleDescription(description);
}

// "③式"; a line without a circled label would be "13行目の式".
QString lineName(int n) {
    const std::string_view label = lineLabel(n);
    return qs(label.empty() ? std::to_string(n) + "行目の式" : std::string(label) + "式");
}

}  // namespace

void nameControlPanel(ControlPanel& p) {
    name(&p, QStringLiteral("操作パネル"));
    for (int n = 1; n <= lineButtonCount; ++n) name(p.btnShiki[n], lineName(n), lineName(n) + QStringLiteral("を選ぶ"));
    name(p.grbSousa, QStringLiteral("操作"));
    name(p.btnKake, QStringLiteral("両辺にかける"));
    name(p.btnWaru, QStringLiteral("両辺を割る"));
    name(p.btnTasu, QStringLiteral("両辺にたす"));
    name(p.btnHiku, QStringLiteral("両辺からひく"));
    name(p.btnKakko, QStringLiteral("かっこ"));
    name(p.btnSeiri, QStringLiteral("整理"));
    name(p.btnIkou, QStringLiteral("移項"));
    name(p.btnJikkou, QStringLiteral("実行"), QStringLiteral("選んだ式に操作をする"));
    name(p.btnTeisei, QStringLiteral("訂正"), QStringLiteral("最後の式を消す"));
    name(p.grbNumber, QStringLiteral("数の入力"));
    p.pnlNumber->setAccessibleDescription(QStringLiteral("入力した数"));
    for (int d = 0; d <= 9; ++d) name(p.btnDigit[static_cast<std::size_t>(d)], QString::number(d));
    name(p.btnDecimal, QStringLiteral("小数点"));
    name(p.btnMinus, QStringLiteral("マイナス"));
    name(p.btnClear, QStringLiteral("クリア"));
    name(p.btnBunsu, QStringLiteral("分の"));
    // 文字 keeps its face (the question's letter) as its name.
    p.btnMoji->setAccessibleDescription(QStringLiteral("文字を入力する"));
    name(p.btnNext, QStringLiteral("次の問題"));
    name(p.BitBtn1, QStringLiteral("単元選択"));
    name(p.btnKiroku, QStringLiteral("練習の記録"));
    name(p.btnHint, QStringLiteral("ヒント"));
    name(p.scrollBar, QStringLiteral("操作パネルのスクロール"));

    // The keyboard goes through the panel as the page is worked: a line,
    // an operation, the number, 実行.
    std::vector<QWidget*> order(p.btnShiki.begin() + 1, p.btnShiki.end());
    order.insert(order.end(), {p.btnKake, p.btnWaru, p.btnTasu, p.btnHiku, p.btnKakko, p.btnSeiri, p.btnIkou});
    for (int d : {7, 8, 9, 4, 5, 6, 1, 2, 3, 0}) order.push_back(p.btnDigit[static_cast<std::size_t>(d)]);
    order.insert(order.end(), {p.btnDecimal, p.btnMinus, p.btnClear, p.btnBunsu, p.btnMoji, p.btnJikkou,
                               p.btnTeisei, p.btnNext, p.BitBtn1, p.btnKiroku, p.btnHint});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void namePage(TfrmPage& page) {
    name(&page, QStringLiteral("解答のページ"));
    // The two lines are named by their texts, as labels are.
    page.lblMess->setAccessibleDescription(QStringLiteral("説明の行"));
    page.lblHint->setAccessibleDescription(QStringLiteral("ヒントの行"));
    name(page.grbKai, QStringLiteral("解"));
    name(page.lblStarX, QStringLiteral("飾り"));
    name(page.lblStarY, QStringLiteral("飾り"));
    for (int n = 1; n <= pageLineImages; ++n) name(page.Image[static_cast<std::size_t>(n)], lineName(n));
    name(page.Image16, QStringLiteral("答え"));
}

void nameDrawnLine(TfrmPage& page, ControlPanel& panel, int n, const ExprLine& line, bool hasDecimalPoint) {
    LineImage* image = page.lineImage(n);
    if (!image) return;
    const QString text = qs(lineImageText(n, line, hasDecimalPoint));
    image->setAccessibleName(text);
    image->setAccessibleDescription(qs(line.caption));
    if (n >= 1 && n <= lineButtonCount) panel.btnShiki[static_cast<std::size_t>(n)]->setAccessibleDescription(text);
}

void nameEmptyLine(TfrmPage& page, ControlPanel& panel, int n) {
    LineImage* image = page.lineImage(n);
    if (!image) return;
    image->setAccessibleName(n == answerLineIndex ? QStringLiteral("答え") : lineName(n));
    image->setAccessibleDescription(QString());
    if (n >= 1 && n <= lineButtonCount)
        panel.btnShiki[static_cast<std::size_t>(n)]->setAccessibleDescription(lineName(n) + QStringLiteral("を選ぶ"));
}

void nameAnswerText(TfrmPage& page, const std::string& text) {
    page.Image16->setAccessibleName(qs(text));
    page.Image16->setAccessibleDescription(QString());
}

namespace {

bool isField(QWidget* w) {
    return qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
           qobject_cast<QTextEdit*>(w);
}

// A label sits over its field: its bottom at most this far above the field's top.
constexpr int labelGap = 24;

QLabel* labelAbove(QWidget* field) {
    QLabel* best = nullptr;
    for (QLabel* label : field->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect l = label->geometry(), f = field->geometry();
        const int gap = f.top() - l.bottom();
        if (label->text().isEmpty() || gap < 0 || gap > labelGap || l.right() < f.left() || l.left() > f.right())
            continue;
        if (!best || l.bottom() > best->geometry().bottom()) best = label;
    }
    return best;
}

void nameFields(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!isField(w) || !w->accessibleName().isEmpty() || !w->parentWidget()) continue;
        if (QLabel* label = labelAbove(w)) {
            // Item views take no name from a buddy label: the name is given too.
            if (!label->buddy()) label->setBuddy(w);
            w->setAccessibleName(label->text());
            continue;
        }
        const auto* line = qobject_cast<QLineEdit*>(w);
        w->setAccessibleName(line && line->isReadOnly() ? line->text() : window->windowTitle());
    }
}

}  // namespace

bool WindowNamer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        // Once shown: a window may place its fields as it is shown.
        if (w->isWindow()) QTimer::singleShot(0, w, [w] { nameFields(w); });
    }
    return QObject::eventFilter(watched, event);
}

void Announcer::announce(const QString& text) {
    restore();
    QWidget* focused = QApplication::focusWidget();
    if (!focused || text.isEmpty()) return;
    borrowed_ = focused;
    ownDescription_ = focused->accessibleDescription();
    focused->setAccessibleDescription(text);  // tells the screen reader the description changed
}

void Announcer::restore() {
    if (borrowed_) borrowed_->setAccessibleDescription(ownDescription_);
    borrowed_ = nullptr;
}

}  // namespace talvoren::ui
