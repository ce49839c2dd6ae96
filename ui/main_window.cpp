// The main window's start-up, its options and the rules for focus and enabled buttons.

#include "ui/main_window.h"

#include "core/ignore_words.h"
#include "core/input_file_check.h"
#include "core/limit_boxes.h"
#include "core/state_file.h"
#include "ui/help_window.h"
#include "ui/link_label.h"
#include "ui/program_identity.h"
#include "ui/text_lines.h"
#include "ui/twip_scale.h"
#include "ui/web_links.h"
#include "ui/window_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace orvanta::ui {

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

int CheckValue(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

// A stored 2 shows as a partly checked box; the user's next click makes it a plain on or off.
void SetCheckValue(QCheckBox* box, int value) {
    box->setTristate(value == 2);
    box->setCheckState(value == 2 ? Qt::PartiallyChecked
                                  : (value == 1 ? Qt::Checked : Qt::Unchecked));
}

void SetTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text) {
        box->setText(text);
    }
}

} // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : QWidget(nullptr, kWindowFlags), options_(std::move(options)) {
    loading_ = true;
    analysisCurrent_ = false;
    if (!options_.endProgram) {
        options_.endProgram = [] { QCoreApplication::quit(); };
    }
    setWindowTitle(WindowCaption());
    createControls();
    normalHeight_ = TwipScale(logicalDpiY()).twips(height()) + kFrameAllowanceHeight;
    connectHandlers();
    loadState();
    validateInputFile(txbInputFile_->text());
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
    for (QComboBox* list : {cboShortWordSize_, cboThresholdFrequency_, cboTableWeight_,
                            cboExistingKeywordsWeight_, cboBoldWeight_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::onOptionChanged);
        // Picking the entry that is already selected is still a step done.
        connect(list, &QComboBox::activated, this, &MainWindow::setFocusToNextStep);
    }
    for (QCheckBox* box : {chkIgnoreCommonWords_, chkIgnoreShortWords_}) {
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::onOptionChanged);
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
    connect(chkLargeWindow_, &QCheckBox::stateChanged, this, &MainWindow::onLargeWindowToggled);
    for (QLineEdit* box : {txbInputFile_, txbWordsToIgnore_, txbBeginMetaTagWith_,
                           txbMaxNumKeywordsInMetaTag_, txbMaxNumBytesInMetaTag_}) {
        connect(box, &QLineEdit::textChanged, this, &MainWindow::readSettingsFromControls);
    }
    connect(txbInputFile_, &QLineEdit::textEdited, this, [this] { inputFileLeftByEnter_ = false; });
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    for (QWidget* widget :
         {static_cast<QWidget*>(cmdHelp_), static_cast<QWidget*>(cmdGenerateKeywordMetaTag_),
          static_cast<QWidget*>(cmdShowExistingKeywordMetaTag_),
          static_cast<QWidget*>(txbInputFile_)}) {
        widget->installEventFilter(this);
    }
    connectButtons();
}

void MainWindow::connectButtons() {
    connect(cmdReset_, &QPushButton::clicked, this, &MainWindow::onResetClicked);
    connect(cmdClearInputFile_, &QPushButton::clicked, this, &MainWindow::onClearInputFileClicked);
    connect(cmdClearWordsToIgnore_, &QPushButton::clicked, this,
            &MainWindow::onClearWordsToIgnoreClicked);
    connect(cmdClearBeginMetaTagWith_, &QPushButton::clicked, this,
            &MainWindow::onClearBeginMetaTagWithClicked);
    connect(cmdHelp_, &QPushButton::clicked, this, &MainWindow::onHelpClicked);
    connect(cmdInputFile_, &QPushButton::clicked, this, &MainWindow::onInputFileClicked);
    connect(cmdListWords_, &QPushButton::clicked, this, &MainWindow::onListWordsClicked);
    connect(cmdGenerateKeywordMetaTag_, &QPushButton::clicked, this,
            &MainWindow::onGenerateTagClicked);
    connect(cmdShowExistingKeywordMetaTag_, &QPushButton::clicked, this,
            &MainWindow::onShowExistingClicked);
    connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
            &MainWindow::onCopyToClipboardClicked);
    connect(cmdQuit_, &QPushButton::clicked, this, &QWidget::close);
    connect(makerLink_, &LinkLabel::clicked, this, &MainWindow::onMakerLinkClicked);
    connect(manualLink_, &LinkLabel::clicked, this, &MainWindow::onManualLinkClicked);
}

void MainWindow::readSettingsFromControls() {
    core::UserSettings& s = userSettings_;
    s.inputFile = ToEngineText(txbInputFile_->text());
    s.ignoreCommonWords = CheckValue(chkIgnoreCommonWords_);
    s.ignoreShortWords = CheckValue(chkIgnoreShortWords_);
    s.shortWordSizeIndex = cboShortWordSize_->currentIndex();
    s.minFrequencyIndex = cboThresholdFrequency_->currentIndex();
    s.tableWeightIndex = cboTableWeight_->currentIndex();
    s.existingKeywordsWeightIndex = cboExistingKeywordsWeight_->currentIndex();
    s.boldWeightIndex = cboBoldWeight_->currentIndex();
    s.wordsToIgnore = ToEngineText(txbWordsToIgnore_->text());
    s.beginMetaTagWith = ToEngineText(txbBeginMetaTagWith_->text());
    s.maxKeywordsText = ToEngineText(txbMaxNumKeywordsInMetaTag_->text());
    s.maxBytesText = ToEngineText(txbMaxNumBytesInMetaTag_->text());
    s.largeWindow = chkLargeWindow_->isChecked() ? 1 : 0;
    analysisSettings_ = core::ToAnalysisSettings(s);
}

// Setting a control from code has the effect of the user changing it: its handler runs.
void MainWindow::showControlsFrom(const core::UserSettings& settings) {
    SetTextIfChanged(txbInputFile_, QString::fromUtf8(settings.inputFile));
    SetTextIfChanged(txbBeginMetaTagWith_, QString::fromUtf8(settings.beginMetaTagWith));
    SetTextIfChanged(txbWordsToIgnore_, QString::fromUtf8(settings.wordsToIgnore));
    SetTextIfChanged(txbMaxNumKeywordsInMetaTag_, QString::fromUtf8(settings.maxKeywordsText));
    SetTextIfChanged(txbMaxNumBytesInMetaTag_, QString::fromUtf8(settings.maxBytesText));
    cboShortWordSize_->setCurrentIndex(settings.shortWordSizeIndex);
    cboThresholdFrequency_->setCurrentIndex(settings.minFrequencyIndex);
    cboTableWeight_->setCurrentIndex(settings.tableWeightIndex);
    cboExistingKeywordsWeight_->setCurrentIndex(settings.existingKeywordsWeightIndex);
    cboBoldWeight_->setCurrentIndex(settings.boldWeightIndex);
    SetCheckValue(chkIgnoreShortWords_, settings.ignoreShortWords);
    SetCheckValue(chkIgnoreCommonWords_, settings.ignoreCommonWords);
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
    if (!txbInputFile_->text().isEmpty()) {
        (cmdGenerateKeywordMetaTag_->isEnabled() ? cmdGenerateKeywordMetaTag_ : cmdListWords_)
            ->setFocus();
    } else {
        cmdInputFile_->setFocus();
    }
    cmdCopyToClipboard_->setEnabled(true);
}

void MainWindow::enableCommands(bool enabled) {
    for (QPushButton* button :
         {cmdInputFile_, cmdShowExistingKeywordMetaTag_, cmdGenerateKeywordMetaTag_,
          cmdClearInputFile_, cmdReset_, cmdClearBeginMetaTagWith_, cmdClearWordsToIgnore_,
          cmdHelp_, cmdCopyToClipboard_}) {
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

void MainWindow::loadState() {
    core::UserSettings loaded = userSettings_;
    if (core::LoadStateFile(QFile::encodeName(options_.stateFilePath).toStdString(), loaded)) {
        showControlsFrom(loaded);
        onWordsToIgnoreEditingFinished();
    } else {
        setDefaults(false);
    }
}

void MainWindow::saveState() {
    readSettingsFromControls();
    std::string error;
    if (!core::SaveStateFile(QFile::encodeName(options_.stateFilePath).toStdString(), userSettings_,
                             error)) {
        showMessage(core::SaveStateErrorMessage(error));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ending_) {
        ending_ = true;
        // A run under way notices this at its next line and returns; nothing more is shown.
        stopRequested_ = true;
        saveState();
        if (help_) {
            help_->close();
        }
        options_.endProgram();
    }
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat()) {
            if (key->key() == Qt::Key_F1 && watched != txbInputFile_) {
                onHelpClicked();
                return true;
            }
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                watched == txbInputFile_) {
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
    if (old == txbInputFile_) {
        // Enter already did what leaving does; its own focus move must not do it twice.
        if (inputFileLeftByEnter_) {
            inputFileLeftByEnter_ = false;
        } else {
            onInputFileEditingFinished();
        }
    } else if (old == txbWordsToIgnore_) {
        onWordsToIgnoreEditingFinished();
    } else if (old == txbMaxNumKeywordsInMetaTag_) {
        onMaxKeywordsEditingFinished();
    } else if (old == txbMaxNumBytesInMetaTag_) {
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
    txbInputFile_->clear();
    analysisCurrent_ = false;
    cmdInputFile_->setFocus();
}

void MainWindow::onClearWordsToIgnoreClicked() {
    txbWordsToIgnore_->clear();
    onWordsToIgnoreEditingFinished();
}

void MainWindow::onClearBeginMetaTagWithClicked() {
    txbBeginMetaTagWith_->clear();
}

void MainWindow::onHelpClicked() {
    if (!help_) {
        help_ = new HelpWindow(frameGeometry(), size(), ManualUrl().toString(), this);
    }
    help_->open();
}

void MainWindow::onInputFileClicked() {
    analysisCurrent_ = false;
    const QString path = options_.dialogs->askOpenFileName(
        this, QStringLiteral("Specify input file"),
        QStringLiteral("HTML files (*.htm, *.html) | *.htm;*.html"));
    if (path.isEmpty()) {
        return;
    }
    txbInputFile_->setText(QDir::toNativeSeparators(path));
    setOutputText({});
    lblNumberOfWords_->clear();
    validateInputFile(path);
    setFocusToNextStep();
}

void MainWindow::onInputFileEditingFinished() {
    if (!isEnabled()) {
        return;
    }
    const QString path = TrimSpaces(txbInputFile_->text());
    SetTextIfChanged(txbInputFile_, path);
    if (!path.isEmpty()) {
        validateInputFile(path);
    }
    analysisCurrent_ = false;
    setFocusToNextStep();
}

void MainWindow::validateInputFile(const QString& path) {
    const core::InputFileNameCheck check = core::CheckInputFileName(ToEngineText(path));
    if (check == core::InputFileNameCheck::Ok) {
        return;
    }
    // A name restored from the last session that no longer works simply goes.
    if (loading_) {
        txbInputFile_->clear();
        return;
    }
    showMessage(core::InputFileNameMessage(check));
}

void MainWindow::onWordsToIgnoreEditingFinished() {
    const core::WordsToIgnoreNormalised normalised =
        core::NormaliseWordsToIgnore(ToEngineText(txbWordsToIgnore_->text()));
    SetTextIfChanged(txbWordsToIgnore_, QString::fromUtf8(normalised.boxText));
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
    CheckLimitBox(
        txbMaxNumKeywordsInMetaTag_, core::CheckMaxKeywordsBox,
        [this](const QString& text) { showMessage(text, ProgramName(), MessageIcon::None); });
}

void MainWindow::onMaxBytesEditingFinished() {
    CheckLimitBox(txbMaxNumBytesInMetaTag_, core::CheckMaxBytesBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

} // namespace orvanta::ui
