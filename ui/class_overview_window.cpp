// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/class_overview_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "courseware/practice_log.h"
#include "solving/line_diagnosis.h"

namespace talvoren::ui {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// A cell that sorts by its number, whatever text it shows.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(qint64 value, const QString& text) : QTableWidgetItem(text) {
        setData(Qt::UserRole, value);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toLongLong() < other.data(Qt::UserRole).toLongLong();
    }
};

QTableWidgetItem* numberItem(qint64 value, const QString& text = {}) {
    return new NumberItem(value, text.isEmpty() ? QString::number(value) : text);
}

QString mistakeName(const std::string& code) {
    for (int i = 0; i < mistakeCodeCount; ++i) {
        const auto mistake = static_cast<MistakeCode>(i);
        if (mistakeCodeName(mistake) == code) return q(std::string(mistakeShortName(mistake)));
    }
    return code == "refused" ? QStringLiteral("はねられた操作") : q(code);
}

QString mistakesText(const std::map<std::string, int>& mistakes) {
    QStringList parts;
    for (const auto& [code, count] : mistakes) parts << mistakeName(code) + QString::number(count);
    return parts.join(QStringLiteral("、"));
}

QString minutesText(std::int64_t seconds) {
    return QStringLiteral("%1分%2秒").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void setUpTable(QTableWidget* table, const QStringList& headers) {
    table->setColumnCount(static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    table->setSortingEnabled(true);
}

QString tableHtml(const QTableWidget* table) {
    QString html = QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr>");
    for (int c = 0; c < table->columnCount(); ++c)
        html += QStringLiteral("<th>%1</th>").arg(table->horizontalHeaderItem(c)->text().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int r = 0; r < table->rowCount(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            html += QStringLiteral("<td>%1</td>").arg(item ? item->text().toHtmlEscaped() : QString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

ClassOverviewWindow::ClassOverviewWindow(const QString& folder, QWidget* parent)
    : QWidget(parent), overview_(folder.toStdString()), pupils_(new QTableWidget(this)),
      questions_(new QTableWidget(this)), status_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("クラスの記録 — ") + folder);
    setUpTable(pupils_, {QStringLiteral("名前"), QStringLiteral("解いた問題"), QStringLiteral("操作／最短"),
                         QStringLiteral("ヒント"), QStringLiteral("まちがい"), QStringLiteral("時間"),
                         QStringLiteral("声かけ")});
    setUpTable(questions_, {QStringLiteral("問題"), QStringLiteral("取り組んだ人"), QStringLiteral("解けた人"),
                            QStringLiteral("多いまちがい"), QStringLiteral("例")});
    pupils_->setObjectName(QStringLiteral("pupilTable"));
    questions_->setObjectName(QStringLiteral("questionTable"));
    auto* print = new QPushButton(QStringLiteral("印刷(&P)"), this);
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(print);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pupils_, 3);
    layout->addWidget(questions_, 2);
    layout->addLayout(bottom);
    connect(&timer_, &QTimer::timeout, this, [this] { refresh(epochNow()); });
    timer_.start(classRefreshMilliseconds);
    refresh(epochNow());
}

void ClassOverviewWindow::refresh(std::int64_t now) {
    const bool changed = !overview_.refresh().empty();
    showPupils(now);  // the flags move with the clock
    if (changed || questions_->rowCount() == 0) showQuestions();
    const ClassFolder& folder = overview_.folder();
    QString status = QStringLiteral("%1人・%2件の記録").arg(folder.logs().size()).arg(folder.eventCount());
    if (folder.skippedCount() > 0) status += QStringLiteral("（読めない行%1行をとばしました）").arg(folder.skippedCount());
    status_->setText(status);
}

void ClassOverviewWindow::showPupils(std::int64_t now) {
    pupils_->setSortingEnabled(false);
    pupils_->setRowCount(static_cast<int>(overview_.pupils().size()));
    int row = 0;
    for (const auto& [name, p] : overview_.pupils()) {
        QStringList reasons;
        for (PupilFlag flag : p.flagsAt(now))
            reasons << q(flag == PupilFlag::mastery ? notMasteredNote(p.skillsNotMastered())
                                                    : std::string(pupilFlagReason(flag)));
        auto* flags = new QTableWidgetItem(reasons.join(QStringLiteral("。")));
        if (!reasons.isEmpty()) flags->setForeground(Qt::red);
        pupils_->setItem(row, 0, new QTableWidgetItem(q(name)));
        pupils_->setItem(row, 1, numberItem(p.solved));
        pupils_->setItem(row, 2, numberItem(p.steps, QStringLiteral("%1／%2").arg(p.steps).arg(p.shortest)));
        pupils_->setItem(row, 3, numberItem(p.hints));
        pupils_->setItem(row, 4, new QTableWidgetItem(mistakesText(p.mistakes)));
        pupils_->setItem(row, 5, numberItem(p.seconds, minutesText(p.seconds)));
        pupils_->setItem(row, 6, flags);
        ++row;
    }
    pupils_->setSortingEnabled(true);
    pupils_->resizeColumnsToContents();
}

void ClassOverviewWindow::showQuestions() {
    const std::vector<QuestionSummary> list = overview_.questions();
    questions_->setSortingEnabled(false);
    questions_->setRowCount(static_cast<int>(list.size()));
    for (int row = 0; row < static_cast<int>(list.size()); ++row) {
        const QuestionSummary& s = list[static_cast<std::size_t>(row)];
        // Question 0 is one made by もっと練習.
        const QString number = s.key.question == 0 ? QStringLiteral("もっと練習") : QString::number(s.key.question);
        questions_->setItem(row, 0, new QTableWidgetItem(QStringLiteral("単元%1 (%2) %3").arg(s.key.unit).arg(number).arg(q(s.text))));
        questions_->setItem(row, 1, numberItem(s.pupils));
        questions_->setItem(row, 2, numberItem(s.solved));
        questions_->setItem(row, 3, new QTableWidgetItem(s.common.empty() ? QString() : mistakeName(s.common) + QString::number(s.commonCount)));
        questions_->setItem(row, 4, new QTableWidgetItem(q(s.example)));
    }
    questions_->setSortingEnabled(true);
    questions_->resizeColumnsToContents();
}

QString ClassOverviewWindow::printedHtml() const {
    return QStringLiteral("<h2>%1</h2>").arg(windowTitle().toHtmlEscaped()) + tableHtml(pupils_) +
           QStringLiteral("<p></p>") + tableHtml(questions_);
}

void ClassOverviewWindow::print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QTextDocument document;
    document.setHtml(printedHtml());
    document.print(&printer);
}

}  // namespace talvoren::ui
