// The main window: start-up, options, focus and enabled buttons, the runs and their output,
// the clipboard copy, the large window and the links.

#include "ui/main_window.h"

#include "core/ignore_words.h"
#include "core/input_file_check.h"
#include "core/limit_boxes.h"
#include "core/messages.h"
#include "core/output_text.h"
#include "core/settings_file.h"
#include "engine/output/existing_keywords.h"
#include "engine/output/meta_tag_composer.h"
#include "ui/box_text.h"
#include "ui/file_drop_filter.h"
#include "ui/help_window.h"
#include "ui/link_label.h"
#include "ui/main_window_layout.h"
#include "ui/program_identity.h"
#include "ui/text_lines.h"
#include "ui/twip_scale.h"
#include "ui/web_links.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTimer>
#include <exception>
#include <utility>

namespace orvanta::ui {

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

} // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : QWidget(nullptr, kWindowFlags), options_(std::move(options)),
      run_(analysisSettings_, ignoreList_, options_.runAnalysis) {
    loading_ = true;
    analysisCurrent_ = false;
    if (!options_.endProgram) {
        options_.endProgram = [] { QCoreApplication::quit(); };
    }
    setWindowTitle(WindowCaption());
    ui_.create(this);
    normalHeight_ = TwipScale(logicalDpiY()).twips(height()) + kFrameAllowanceHeight;
    connectHandlers();
    loadState();
    validateInputFile(ui_.inputFileEdit->text());
}

MainWindow::~MainWindow() {
    // Destroying the controls moves the focus; the window must no longer hear of it by then.
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const TwipScale s(logicalDpiY());
        const QSize frame = size() + QSize(s.px(kFrameAllowanceWidth), s.px(kFrameAllowanceHeight));
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
    show();
    activateWindow();
    setFocusToNextStep();
    loading_ = false;
}

void MainWindow::connectHandlers() {
    for (QComboBox* list : {ui_.shortWordSizeList, ui_.minFrequencyList, ui_.tableWeightList,
                            ui_.existingKeywordsWeightList, ui_.boldWeightList}) {
        connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::onOptionChanged);
        // Picking the entry that is already selected is still a step done.
        connect(list, &QComboBox::activated, this, &MainWindow::setFocusToNextStep);
    }
    for (QCheckBox* box : {ui_.ignoreCommonWordsCheck, ui_.ignoreShortWordsCheck}) {
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::onOptionChanged);
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
    connect(ui_.largeWindowCheck, &QCheckBox::stateChanged, this,
            &MainWindow::onLargeWindowToggled);
    for (QLineEdit* box : {ui_.inputFileEdit, ui_.wordsToIgnoreEdit, ui_.beginMetaTagWithEdit,
                           ui_.maxKeywordsEdit, ui_.maxBytesEdit}) {
        connect(box, &QLineEdit::textChanged, this, &MainWindow::readSettingsFromControls);
    }
    connect(ui_.inputFileEdit, &QLineEdit::textEdited, this,
            [this] { inputFileLeftByEnter_ = false; });
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    for (QWidget* widget :
         {static_cast<QWidget*>(ui_.helpButton), static_cast<QWidget*>(ui_.generateTagButton),
          static_cast<QWidget*>(ui_.showExistingButton),
          static_cast<QWidget*>(ui_.inputFileEdit)}) {
        widget->installEventFilter(this);
    }
    connectButtons();
    addShortcuts();
    // A page dropped anywhere on the window is opened, unless a run is under way.
    auto* drops = new FileDropFilter(this, [this] { return !run_.running(); });
    connect(drops, &FileDropFilter::urlsDropped, this, &MainWindow::onUrlsDropped);
}

// Ctrl+Q and F1 work wherever the focus is in the window.
void MainWindow::addShortcuts() {
    auto* quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, &MainWindow::onHelpClicked);
    addAction(help);
}

void MainWindow::connectButtons() {
    connect(ui_.resetButton, &QPushButton::clicked, this, &MainWindow::onResetClicked);
    connect(ui_.clearInputFileButton, &QPushButton::clicked, this,
            &MainWindow::onClearInputFileClicked);
    connect(ui_.clearWordsToIgnoreButton, &QPushButton::clicked, this,
            &MainWindow::onClearWordsToIgnoreClicked);
    connect(ui_.clearBeginMetaTagWithButton, &QPushButton::clicked, this,
            &MainWindow::onClearBeginMetaTagWithClicked);
    connect(ui_.helpButton, &QPushButton::clicked, this, &MainWindow::onHelpClicked);
    connect(ui_.inputFileButton, &QPushButton::clicked, this, &MainWindow::onInputFileClicked);
    connect(ui_.listWordsButton, &QPushButton::clicked, this, &MainWindow::onListWordsClicked);
    connect(ui_.generateTagButton, &QPushButton::clicked, this, &MainWindow::onGenerateTagClicked);
    connect(ui_.showExistingButton, &QPushButton::clicked, this,
            &MainWindow::onShowExistingClicked);
    connect(ui_.copyButton, &QPushButton::clicked, this, &MainWindow::onCopyToClipboardClicked);
    connect(ui_.quitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_.makerLink, &LinkLabel::clicked, this, &MainWindow::onMakerLinkClicked);
    connect(ui_.manualLink, &LinkLabel::clicked, this, &MainWindow::onManualLinkClicked);
}

void MainWindow::readSettingsFromControls() {
    userSettings_ = ui_.read();
    analysisSettings_ = core::ToAnalysisSettings(userSettings_);
}

// Setting a control from code has the effect of the user changing it: its handler runs.
void MainWindow::showControlsFrom(const core::UserSettings& settings) {
    ui_.show(settings);
    readSettingsFromControls();
}

void MainWindow::setDefaults(bool keepTexts) {
    analysisCurrent_ = false;
    core::UserSettings defaults = userSettings_;
    core::ApplyDefaults(defaults, keepTexts);
    showControlsFrom(defaults);
    if (!keepTexts) {
        onWordsToIgnoreEditingFinished();
    }
}

void MainWindow::setFocusToNextStep() {
    if (!isVisible()) {
        return;
    }
    if (!ui_.inputFileEdit->text().isEmpty()) {
        (ui_.generateTagButton->isEnabled() ? ui_.generateTagButton : ui_.listWordsButton)
            ->setFocus();
    } else {
        ui_.inputFileButton->setFocus();
    }
    ui_.copyButton->setEnabled(true);
}

void MainWindow::enableCommands(bool enabled) {
    for (QPushButton* button :
         {ui_.inputFileButton, ui_.showExistingButton, ui_.generateTagButton,
          ui_.clearInputFileButton, ui_.resetButton, ui_.clearBeginMetaTagWithButton,
          ui_.clearWordsToIgnoreButton, ui_.helpButton, ui_.copyButton}) {
        button->setEnabled(enabled);
    }
}

void MainWindow::showMessage(const QString& text, const QString& title, MessageIcon icon) {
    options_.dialogs->showMessage(this, text, title, icon);
}

void MainWindow::showMessage(const core::Message& message) {
    showMessage(QString::fromStdString(message.text), QString::fromStdString(message.title),
                message.icon);
}

// Values the file holds but cannot give (a fault) get their defaults; the others are shown.
void MainWindow::loadState() {
    core::UserSettings loaded = userSettings_;
    const core::SettingsFileRead read =
        core::ReadSettingsFile(QFile::encodeName(options_.settingsFilePath).toStdString(), loaded);
    if (read.found) {
        showControlsFrom(loaded);
        onWordsToIgnoreEditingFinished();
        stateRead_ = loaded;
        stateShown_ = userSettings_;
    } else {
        setDefaults(false);
    }
}

void MainWindow::saveSettings() {
    readSettingsFromControls();
    const core::UserSettings toSave =
        stateRead_ ? core::KeepUnchangedTexts(userSettings_, *stateShown_, *stateRead_)
                   : userSettings_;
    std::string error;
    bool saved = false;
    try {
        saved = core::SaveSettingsFile(QFile::encodeName(options_.settingsFilePath).toStdString(),
                                       toSave, error);
    } catch (const std::exception& failure) {
        error = core::ExceptionReason(failure);
    }
    if (!saved) {
        showMessage(core::SaveSettingsErrorMessage(error));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        ending_ = true;
        // A run under way ends at its next yield point; nothing more is shown.
        run_.abandon();
        saveSettings();
        if (help_) {
            help_->close();
        }
        options_.endProgram();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The buttons that have always answered F1 on its release keep doing so; the window's F1
    // stands back for them.
    const bool helpKeyButton = watched == ui_.helpButton || watched == ui_.generateTagButton ||
                               watched == ui_.showExistingButton;
    if (event->type() == QEvent::ShortcutOverride && helpKeyButton &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::FocusOut && watched == ui_.inputFileEdit) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        inputFileLeftByTab_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    }
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            if (key->key() == Qt::Key_F1 && helpKeyButton) {
                onHelpClicked();
                return true;
            }
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                watched == ui_.inputFileEdit) {
                inputFileLeftByEnter_ = true;
                onInputFileEditingFinished();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Qt reports every focus move, to message boxes and other programs too; only a move to
// another control of the program's own windows means the user has left a box.
void MainWindow::onFocusChanged(QWidget* old, QWidget* now) {
    if (ending_ || old == nullptr || now == nullptr ||
        (now->window() != this && now->window() != help_)) {
        return;
    }
    if (old == ui_.inputFileEdit) {
        // Enter already did what leaving does; its own focus move must not do it twice.
        // Tab goes on through the controls in their order; leaving otherwise is a step done.
        if (inputFileLeftByEnter_) {
            inputFileLeftByEnter_ = false;
        } else if (inputFileLeftByTab_) {
            checkInputFileBox();
        } else {
            onInputFileEditingFinished();
        }
    } else if (old == ui_.wordsToIgnoreEdit) {
        onWordsToIgnoreEditingFinished();
    } else if (old == ui_.maxKeywordsEdit) {
        onMaxKeywordsEditingFinished();
    } else if (old == ui_.maxBytesEdit) {
        onMaxBytesEditingFinished();
    }
}

void MainWindow::onOptionChanged() {
    readSettingsFromControls();
    analysisCurrent_ = false;
    setFocusToNextStep();
}

void MainWindow::onResetClicked() {
    setDefaults(true);
    setFocusToNextStep();
}

void MainWindow::onClearInputFileClicked() {
    ui_.inputFileEdit->clear();
    analysisCurrent_ = false;
    ui_.inputFileButton->setFocus();
}

void MainWindow::onClearWordsToIgnoreClicked() {
    ui_.wordsToIgnoreEdit->clear();
    onWordsToIgnoreEditingFinished();
}

void MainWindow::onClearBeginMetaTagWithClicked() {
    ui_.beginMetaTagWithEdit->clear();
}

void MainWindow::onHelpClicked() {
    if (!help_) {
        help_ = new HelpWindow(frameGeometry(), size(), ManualUrl().toString(), this);
    }
    help_->open();
}

namespace {

// The open dialog starts where the page named in the input box is, when that folder exists.
QString FolderOfNamedFile(const QString& boxText) {
    const QString path = TrimSpaces(boxText);
    const QFileInfo file(path);
    return !path.isEmpty() && file.dir().exists() ? file.absolutePath() : QString();
}

} // namespace

void MainWindow::onInputFileClicked() {
    analysisCurrent_ = false;
    const QString path = options_.dialogs->askOpenFileName(
        this, QStringLiteral("Specify input file"), FolderOfNamedFile(ui_.inputFileEdit->text()),
        {QStringLiteral("HTML files (*.htm, *.html) | *.htm;*.html"),
         QStringLiteral("All files (*) | *")});
    if (path.isEmpty()) {
        return;
    }
    takeInputFile(path);
}

void MainWindow::takeInputFile(const QString& path) {
    analysisCurrent_ = false;
    ui_.inputFileEdit->setText(QDir::toNativeSeparators(path));
    setOutputText({});
    ui_.wordCountLabel->clear();
    validateInputFile(path);
    setFocusToNextStep();
}

void MainWindow::openFile(const QString& path) {
    bringToFront();
    if (run_.running() || ending_) {
        pendingFile_ = path;
        return;
    }
    takeInputFile(path);
}

void MainWindow::bringToFront() {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

// The first address dropped is the page; only a file on this computer can be read.
void MainWindow::onUrlsDropped(const QList<QUrl>& urls) {
    if (urls.isEmpty() || run_.running()) {
        return;
    }
    const QUrl& url = urls.first();
    if (!url.isLocalFile()) {
        showMessage(core::NotLocalFileMessage(url.toDisplayString().toStdString()));
        return;
    }
    openFile(url.toLocalFile());
}

void MainWindow::onInputFileEditingFinished() {
    if (checkInputFileBox()) {
        setFocusToNextStep();
    }
}

bool MainWindow::checkInputFileBox() {
    if (!isEnabled()) {
        return false;
    }
    const QString path = TrimSpaces(ui_.inputFileEdit->text());
    SetTextIfChanged(ui_.inputFileEdit, path);
    if (!path.isEmpty()) {
        validateInputFile(path);
    }
    analysisCurrent_ = false;
    return true;
}

void MainWindow::validateInputFile(const QString& path) {
    const core::InputFileNameCheck check = core::CheckInputFileName(ToEngineText(path));
    if (check == core::InputFileNameCheck::Ok) {
        return;
    }
    // A name restored from the last session that no longer works simply goes.
    if (loading_) {
        ui_.inputFileEdit->clear();
        return;
    }
    showMessage(core::InputFileNameMessage(check, ToEngineText(path)));
}

void MainWindow::onWordsToIgnoreEditingFinished() {
    const core::WordsToIgnoreNormalised normalised =
        core::NormaliseWordsToIgnore(ToEngineText(ui_.wordsToIgnoreEdit->text()));
    SetTextIfChanged(ui_.wordsToIgnoreEdit, QString::fromUtf8(normalised.boxText));
    ignoreList_ = IgnoreList(normalised.listText);
    analysisCurrent_ = false;
}

namespace {

void CheckLimitBox(QLineEdit* box, core::LimitBoxCheck (*check)(std::string_view),
                   const std::function<void(const QString&)>& tell) {
    const core::LimitBoxCheck result = check(ToEngineText(box->text()));
    SetTextIfChanged(box, QString::fromUtf8(result.filtered));
    if (result.message.empty()) {
        SetTextIfChanged(box, QString::fromUtf8(result.finalText));
        return;
    }
    tell(QString::fromUtf8(result.message));
    box->setText(QString::fromUtf8(result.finalText));
    box->setFocus();
    box->end(false);
}

} // namespace

void MainWindow::onMaxKeywordsEditingFinished() {
    CheckLimitBox(ui_.maxKeywordsEdit, core::CheckMaxKeywordsBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

void MainWindow::onMaxBytesEditingFinished() {
    CheckLimitBox(ui_.maxBytesEdit, core::CheckMaxBytesBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

void MainWindow::setOutputText(const QString& text) {
    ShowBoxText(ui_.outputBox, text);
}

void MainWindow::onListWordsClicked() {
    if (run_.running()) {
        run_.stop();
        return;
    }
    runAnalysis(false);
}

void MainWindow::onGenerateTagClicked() {
    ui_.outputBox->setFocus();
    runAnalysis(true);
}

void MainWindow::onShowExistingClicked() {
    std::string path;
    if (!readInputFileForRun(path)) {
        return;
    }
    ExistingKeywords existing;
    try {
        existing = FindExistingKeywords(path);
    } catch (const std::exception& error) {
        existing.outcome = ExistingKeywordsOutcome::ReadError;
        existing.error = core::ExceptionReason(error);
    }
    setOutputText(FromEngineText(core::ExistingKeywordsText(existing)));
}

bool MainWindow::readInputFileForRun(std::string& path) {
    const QString trimmed = TrimSpaces(ui_.inputFileEdit->text());
    if (ui_.inputFileEdit->text() != trimmed) {
        ui_.inputFileEdit->setText(trimmed);
    }
    path = ToEngineText(trimmed);
    std::string reason;
    const core::InputFileCheck check = core::CheckInputFile(path, &reason);
    if (check != core::InputFileCheck::Ok) {
        showMessage(core::InputFileMessage(check, reason));
        return false;
    }
    return true;
}

void MainWindow::runAnalysis(bool generateTag) {
    if (run_.running()) {
        return;
    }
    if (!analysisCurrent_) {
        std::string path;
        if (!readInputFileForRun(path)) {
            return;
        }
        RunResult result = runLocked(path);
        if (ending_ || !takeRunResult(result)) {
            return;
        }
    }
    try {
        writeOutput(generateTag);
    } catch (const std::exception& error) {
        showMessage(core::OutputErrorMessage(core::ExceptionReason(error)));
    }
    setFocusToNextStep();
}

// Runs the analysis with the commands disabled and the run button turned into Stop.
RunResult MainWindow::runLocked(const std::string& path) {
    setOutputText({});
    ui_.outputBox->repaint();
    ui_.listWordsButton->setText(QLatin1String(core::kStopCaption));
    enableCommands(false);
    RunResult result = run_.run(path, ui_.outputBox, ui_.wordCountLabel);
    if (!pendingFile_.isEmpty()) {
        QTimer::singleShot(0, this, [this] { openFile(std::exchange(pendingFile_, QString())); });
    }
    if (!ending_) {
        ui_.listWordsButton->setText(QLatin1String(core::kListWordsCaption));
        enableCommands(true);
    }
    return result;
}

// Shows how the run ended; true when its table is ready for the output step.
bool MainWindow::takeRunResult(RunResult& result) {
    switch (result.outcome) {
    case RunOutcome::Failed:
        showMessage(core::ReadErrorMessage(result.failureReason));
        setFocusToNextStep();
        return false;
    case RunOutcome::Stopped:
        AppendAtEnd(ui_.outputBox, FromEngineText(core::StoppedLine(result.wordsIdentified)));
        ui_.wordCountLabel->clear();
        return false;
    case RunOutcome::Completed:
        break;
    }
    setOutputText(QLatin1String(core::kProcessingText));
    ui_.outputBox->repaint();
    words_ = std::move(result.words);
    ui_.wordCountLabel->setText(
        FromEngineText(core::WordsFoundCaption(static_cast<std::int64_t>(words_.size()))));
    ui_.wordCountLabel->repaint();
    analysisCurrent_ = true;
    return true;
}

void MainWindow::writeOutput(bool generateTag) {
    if (!generateTag) {
        setOutputText(FromEngineText(core::WordListBoxText(words_, analysisSettings_)));
        return;
    }
    const ComposedTag tag = ComposeMetaTag(words_, analysisSettings_);
    const QString begin = QString::fromUtf8(tag.beginTextShown);
    if (ui_.beginMetaTagWithEdit->text() != begin) {
        ui_.beginMetaTagWithEdit->setText(begin);
    }
    const QString text = FromEngineText(core::TagBoxText(tag, analysisSettings_));
    setOutputText(text);
}

void MainWindow::onCopyToClipboardClicked() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // A tag, however edited, is copied without its summary lines; anything else whole.
    clipboard->setText(
        QString::fromStdString(core::ClipboardText(ToEngineText(ui_.outputBox->toPlainText()))));
    setFocusToNextStep();
}

void MainWindow::onLargeWindowToggled() {
    readSettingsFromControls();
    const QScreen* screen = this->screen();
    const QRect screenArea = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const TwipScale s(logicalDpiY());
    const LargeWindowLayout layout =
        ComputeLargeWindowLayout(ui_.largeWindowCheck->isChecked(), s.twips(screenArea.height()),
                                 normalHeight_, kOutputBoxTop, kBottomStripHeight);

    setFixedHeight(s.px(layout.windowHeight - kFrameAllowanceHeight));
    move(x(), screenArea.top() + s.px(layout.windowTop));
    const QRect box = ui_.outputBox->geometry();
    ui_.outputBox->setGeometry(box.x(), box.y(), box.width(),
                               s.px(std::max(0, layout.metaTagHeight)));
    ui_.bottomStrip->move(ui_.bottomStrip->x(), s.px(layout.frameTop));
    setFocusToNextStep();
}

void MainWindow::onMakerLinkClicked() {
    OpenWebPage(*options_.dialogs, this, MakerUrl());
}

void MainWindow::onManualLinkClicked() {
    OpenWebPage(*options_.dialogs, this, ManualUrl());
}

} // namespace orvanta::ui
