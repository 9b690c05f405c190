// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frm_main.h"

#include "ui/practice_mode.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include "courseware/practice_log.h"
#include "solving/input_pad.h"
#include "solving/operations.h"
#include "ui/application.h"
#include "ui/control_panel.h"
#include "ui/fonts.h"
#include "ui/frm_greet.h"
#include "ui/frm_page.h"
#include "ui/frm_sentaku.h"
#include "ui/glyphs.h"
#include "ui/help_viewer.h"
#include "ui/message_box.h"
#include "ui/qt_page.h"
#include "ui/class_records_setting.h"
#include "ui/self_write_setting.h"
#include "ui/trial_flow.h"
#include "ui/zoom.h"
#include "core/reading.h"
#include "ui/accessible_names.h"
#include "ui/read_aloud.h"

namespace talvoren::ui {

namespace {

const QColor frameBackground(0, 192, 192);
constexpr int frameBottomStrip = 28;
constexpr int panelBottomMargin = 56;
constexpr int blinkInterval = 1000;

// Stand-ins until the dialogs are there: the unit dialog is cancelled,
// the file dialogs are cancelled and the editor is not shown.
class NoUnitDialog : public UnitDialog {
public:
    bool showModal() override { return false; }
};

class NoFlowWindows : public FlowWindows {
public:
    explicit NoFlowWindows(TfrmMain& frame) : frame_(frame) {}
    std::optional<std::string> askOpenPath(const std::string&) override { return std::nullopt; }
    std::optional<std::string> askSavePath(const std::string&) override { return std::nullopt; }
    bool showEditor() override { return false; }
    void setEditorCaption(const std::string&) override {}
    void fatalError(const std::string& text) override { frame_.fatalError(text); }

private:
    TfrmMain& frame_;
};

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

KeyCode keyCodeOf(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyCode::enter;
    case Qt::Key_Escape: return KeyCode::escape;
    case Qt::Key_Delete: return KeyCode::deleteKey;
    case Qt::Key_Shift: return KeyCode::shift;
    case Qt::Key_Backspace: return KeyCode::backspace;
    default: return KeyCode::other;
    }
}

}  // namespace

TfrmMain::TfrmMain(FrameOptions options)
    : ownMessages_(options.messages ? nullptr : std::make_unique<QtMessageSink>()),
      messages_(options.messages ? *options.messages : *ownMessages_),
      core_(messages_),
      records_("", messages_),
      dialogs_(options.dialogs ? std::move(options.dialogs) : makeDialogs()),
      screenSize_(options.screen.isEmpty() ? primaryScreenSize() : options.screen),
      questionSetPathOption_(options.questionSetPath),
      openAtStart_(options.openAtStart),
      installedQuestionSet_(options.installedQuestionSet) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(applicationTitle);
    setWindowIcon(QIcon(programIcon(64)));
    setFont(pixelFont(facePGothic, 12));
    if (ownMessages_) ownMessages_->setParent(this);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setBackground(frameBackground);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pnlMain_ = new ControlPanel(central);
    pnlMain_->raise();

    timBlink_ = new QTimer(this);
    timBlink_->setObjectName(QStringLiteral("timBlink"));
    timBlink_->setInterval(blinkInterval);

    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setFont(pixelFont(faceGothic, 14, true));
    QPalette statusPalette = lblStatus_->palette();
    statusPalette.setColor(QPalette::WindowText, QColor(0, 110, 60));
    lblStatus_->setPalette(statusPalette);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(lblStatus_, 1);

    FormCreate();

    frmPage_ = new TfrmPage(messages_, [this]() -> const Worksheet* { return worksheet_.get(); });
    // The page's title bar in the frame's face (the window takes it when it
    // is made): in the default face its Japanese title would need a search
    // for a fallback face at start.
    QApplication::setFont(pixelFont(facePGothic, 12), "QMdiSubWindowTitleBar");
    pageWindow_ = mdiArea_->addSubWindow(frmPage_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    pageWindow_->setObjectName(QStringLiteral("pageWindow"));
    pageWindow_->setWindowIcon(QIcon(QPixmap(1, 1)));
    pageWindow_->hide();
    readAloud_ = new ReadAloud([this](const QString& text) { lblStatus_->setText(text); }, this);
    readAloud_->setOn(savedReadAloud());
    if (ownMessages_) ownMessages_->onShown = [this](const std::string& text) { readAloud_->say(textReading(text)); };
    buildMenu();
    const PageWidgets shownIn{*frmPage_, *pnlMain_, *pageWindow_, *timBlink_, *lblStatus_, *mnuHint_,
                              [this]() -> TfrmSentaku& { return *frmSentaku(); }};
    page_ = std::make_unique<QtPage>(shownIn, core_);
    page_->readAloud = readAloud_;
    nameControlPanel(*pnlMain_);
    namePage(*frmPage_);
    worksheet_ = std::make_unique<Worksheet>(core_, *page_);
    addSelfWriteEntry(changeMenu_, *worksheet_);
    worksheet_->setSolvedReport([this] {
        if (practice_ && practice_->active()) {
            practice_->questionSolved();
        } else {
            sequencing_->questionSolved();
            if (isLastQuestionOfUnit(courseware_)) practice_->offer(courseware_.currentUnit(), masteryRecordPath());
        }
    });
    coach_ = std::make_unique<HintCoach>(*worksheet_);
    trialFlow_ = std::make_unique<TrialFlow>(*worksheet_, core_, *page_, inputDialogAsk(this));
    frmPage_->onTashikame = [this] { trialFlow_->run(); };
    if (!options.recordsFolder.empty()) startPupilLog(options.recordsFolder, options.pupil);

    programState_ = std::make_unique<ProgramState>(
        ProgramState{*this, messages_, core_, courseware_, records_, *worksheet_, *page_,
                     [this] { return masteryRecordPath(); }});
    makeHandlers();
    wirePanel();
    qApp->installEventFilter(this);
    qApp->installEventFilter(new WindowNamer(this));
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    if (frmGreet_) frmGreet_->close();
}

void TfrmMain::FormCreate() {
    // The greeting stays on the screen until the question set is loaded.
    frmGreet_ = new TfrmGreet(screenSize_);
    connect(frmGreet_, &QObject::destroyed, this, [this] { frmGreet_ = nullptr; });
    frmGreet_->show();

    setGeometry(0, 0, screenSize_.width(), screenSize_.height() - frameBottomStrip);
    const int panelHeight = y() + height() - pnlMain_->y() - panelBottomMargin;
    pnlMain_->move(0, 0);
    pnlMain_->setPanelHeight(panelHeight);
    centralWidget()->installEventFilter(this);
}

TfrmSentaku* TfrmMain::frmSentaku() {
    if (!frmSentaku_) frmSentaku_ = new TfrmSentaku(this);
    return frmSentaku_;
}

void TfrmMain::makeHandlers() {
    UnitDialog* unitDialog = dialogs_->unitDialog(*programState_);
    if (!unitDialog) {
        noUnitDialog_ = std::make_unique<NoUnitDialog>();
        unitDialog = noUnitDialog_.get();
    }
    sequencing_ = std::make_unique<Sequencing>(courseware_, *worksheet_, *unitDialog, records_);
    controls_ = std::make_unique<Controls>(
        ControlTargets{*worksheet_, *coach_, *sequencing_, [this] { return frmPage_->answerBoxShown(); }});
    practice_ = std::make_unique<PracticeMode>(*this, *worksheet_, *coach_, courseware_);
    practice_->setLog(practiceLog_.get());
    connect(timBlink_, &QTimer::timeout, this, [this] { sequencing_->blink(); });

    FlowWindows* flowWindows = dialogs_->flowWindows(*programState_);
    if (!flowWindows) {
        noFlowWindows_ = std::make_unique<NoFlowWindows>(*this);
        flowWindows = noFlowWindows_.get();
    }
    fileFlows_ = std::make_unique<FileFlows>(courseware_, core_, *flowWindows, *sequencing_);
}

void TfrmMain::buildMenu() {
    const auto item = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuOpen_ = item(file, "mnuOpen", QStringLiteral("開く(&O)"), [this] {
        practice_->withdrawOffer();
        fileFlows_->openSet();
    });
    mnuSave_ = item(file, "mnuSave", QStringLiteral("保存(&S)"), [this] { fileFlows_->saveSet(); });
    file->addSeparator();
    mnuPrint_ = item(file, "mnuPrint", QStringLiteral("印刷(&P)"), [this] { dialogs_->mnuPrintClick(*programState_); });
    item(file, "mnuPrintPreview", QStringLiteral("印刷プレビュー(&V)"), [this] { dialogs_->mnuPrintPreviewClick(*programState_); });
    QMenu* sheet = file->addMenu(QStringLiteral("問題プリントを印刷(&Q)"));
    mnuPrintSheetUnit_ = item(sheet, "mnuPrintSheetUnit", QString(), [this] { dialogs_->mnuPrintSheetClick(*programState_, false); });
    mnuPrintSheetAll_ = item(sheet, "mnuPrintSheetAll", QStringLiteral("すべての単元(&A)"),
                            [this] { dialogs_->mnuPrintSheetClick(*programState_, true); });
    QMenu* key = file->addMenu(QStringLiteral("解答を印刷(&K)"));
    mnuPrintKeyUnit_ = item(key, "mnuPrintKeyUnit", QString(), [this] { dialogs_->mnuPrintKeyClick(*programState_, false); });
    mnuPrintKeyAll_ = item(key, "mnuPrintKeyAll", QStringLiteral("すべての単元(&A)"),
                          [this] { dialogs_->mnuPrintKeyClick(*programState_, true); });
    // The current unit's entries carry its title.
    for (QMenu* menu : {sheet, key})
        connect(menu, &QMenu::aboutToShow, this, [this] { nameCurrentUnitEntries(); });
    nameCurrentUnitEntries();
    file->addSeparator();
    mnuEnd_ = item(file, "mnuEnd", QStringLiteral("終了(&X)"), [this] { close(); });
    mnuOpen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSave_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuPrint_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuEnd_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    mnuEditCWare_ =
        item(edit, "mnuEditCWare", QStringLiteral("編集(&E)"), [this] {
            practice_->withdrawOffer();
            fileFlows_->editSet();
        });

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    mnuShowRecord_ = item(view, "mnuShowRecord", QStringLiteral("練習の記録(&R)"), [this] { btnKirokuClick(); });
    mnuDispStack_ =
        item(view, "mnuDispStack", QStringLiteral("スタック(&S)"), [this] { dialogs_->mnuDispStackClick(*programState_); });
    addZoomMenu(view, messages_);
    addReadAloudAction(view, *readAloud_, messages_);
    view->addSeparator();
    addClassRecordsEntries(view, this, messages_);

    QMenu* change = menuBar()->addMenu(QStringLiteral("問題変更(&C)"));
    KN1_ = item(change, "KN1", QStringLiteral("次の問題(&N)"), [this] { click(Control::of(ControlKind::next)); });
    mnuTangen_ =
        item(change, "mnuTangen", QStringLiteral("単元選択(&S)"), [this] { click(Control::of(ControlKind::chooseUnit)); });
    item(change, "mnuPractice", QStringLiteral("もっと練習(&M)"), [this] { startPractice(courseware_.currentUnit()); });
    change->addSeparator();
    changeMenu_ = change;  // 計算も自分で joins it once the worksheet is made

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    // The key H is taken by the frame itself (not when it is the question's letter).
    mnuHint_ = item(help, "mnuHint", QStringLiteral("ヒント(&I)\tH"), [this] { click(Control::of(ControlKind::hint)); });
    mnuHint_->setEnabled(false);
    help->addSeparator();
    mnuUsage_ = item(help, "mnuUsage", QStringLiteral("使い方(&U)"), [this] { dialogs_->showHelp(*programState_, helpContents); });
    mnuPoint_ = item(help, "mnuPoint", QStringLiteral("ポイント(&P)"), [this] { dialogs_->showHelp(*programState_, helpPoint); });
    help->addSeparator();
    mnuVersion_ =
        item(help, "mnuVersion", QStringLiteral("バージョン情報(&A)"), [this] { dialogs_->mnuVersionClick(*programState_); });

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] { dialogs_->showHelp(*programState_, helpFrame); });
}

void TfrmMain::nameCurrentUnitEntries() {
    const QString title = QString::fromStdString(courseware_.unitTitles()[courseware_.currentUnit()]);
    const QString caption = QStringLiteral("この単元「%1」(&C)").arg(title);
    mnuPrintSheetUnit_->setText(caption);
    mnuPrintKeyUnit_->setText(caption);
}

void TfrmMain::wirePanel() {
    // Every button of the panel clicks through the control table, by its
    // name; the record button only opens a window.
    for (QPushButton* button : pnlMain_->findChildren<QPushButton*>()) {
        if (const std::optional<Control> control = controlNamed(button->objectName().toStdString()))
            connect(button, &QPushButton::clicked, this, [this, c = *control] { click(c); });
    }
    connect(pnlMain_->btnKiroku, &QPushButton::clicked, this, [this] { btnKirokuClick(); });
    frmPage_->onControlClick = [this](Control control) { click(control); };
}

void TfrmMain::click(Control control) {
    if (!practice_->click(control, *controls_)) controls_->click(control);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow() {
    const QRect pageRect = TfrmPage::pageGeometry(pnlMain_->geometry(), width());
    frmPage_->FormCreate(pageRect.width());
    pageWindow_->setGeometry(pageRect);
    pageWindow_->show();
    frmPage_->FormShow(screenSize_.width(), screenSize_.height());
    worksheet_->setLineCapacity(frmPage_->lineCapacity);

    const std::optional<std::string> fatal = sequencing_->startUp(questionSetPathOption_, installedQuestionSet_);
    if (frmGreet_) frmGreet_->close();
    if (fatal) {
        fatalError(*fatal);
        return;
    }
    started_ = true;
    if (!openAtStart_.empty()) {
        courseware_.backUp();
        fileFlows_->openQuestionSet(openAtStart_);
    }
    focusDefaultButton();
}

void TfrmMain::fatalError(const std::string& text) {
    messages_.showMessage(text);
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TfrmMain::focusDefaultButton() { worksheet_->focusDefaultButton(); }

void TfrmMain::btnKirokuClick() { dialogs_->mnuShowRecordClick(*programState_); }

std::string TfrmMain::masteryRecordPath() const {
    return practiceLog_ ? practiceLog_->masteryRecordPath(records_.path()) : records_.path();
}

void TfrmMain::startPractice(int unit) {
    practice_->start(unit, masteryRecordPath());
    sequencing_->showUnitTitle();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!fileFlows_->mayClose()) {
        event->ignore();
        return;
    }
    fileFlows_->closeSet();
    if (frmGreet_) frmGreet_->close();
    event->accept();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    // The document area fills the frame's client area; the panel lies over it.
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        mdiArea_->setGeometry(centralWidget()->rect());
    if (event->type() == QEvent::KeyPress) {
        // A key goes to the focus widget first and then up to its parents,
        // passing this filter each time: act on its first delivery only, and
        // only for the frame and the page, not for dialogs over them.
        QWidget* focus = QApplication::focusWidget();
        const QObject* firstReceiver = (focus && focus->window() == this) ? focus : this;
        if (watched == firstReceiver && handleKey(static_cast<QKeyEvent*>(event))) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// The frame sees every key first: key-down rules, then the character rules.
// Enter, Escape and Delete end here, so that they act once whichever
// control has the focus.
bool TfrmMain::handleKey(QKeyEvent* event) {
    if (!started_ || QApplication::activeModalWidget()) return false;
    // Alt+T is 確かめ while an answer is on show.
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_T && frmPage_->answerBoxShown()) {
        frmPage_->btnTashikame->click();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const KeyCode code = keyCodeOf(event->key());
    // Holding Shift repeats its key-down; one selection is enough.
    if (code == KeyCode::shift && event->isAutoRepeat()) return true;
    if (keyPressed(*worksheet_, code, event->modifiers() & Qt::ShiftModifier) ==
        KeyAction::nextQuestion)
        click(Control::of(ControlKind::next));
    const QString text = event->text();
    if (code == KeyCode::other && !text.isEmpty() && text.at(0).isPrint())
        if (const char32_t key = text.toUcs4().value(0); !practice_->hintKey(key)) keyTyped(*worksheet_, key);
    return code != KeyCode::other;
}

}  // namespace talvoren::ui
