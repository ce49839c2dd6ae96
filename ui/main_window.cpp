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
    validateInputFile(inputFileEdit_->text());
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
    for (QComboBox* list : {shortWordSizeList_, minFrequencyList_, tableWeightList_,
                            existingKeywordsWeightList_, boldWeightList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, &MainWindow::onOptionChanged);
        // Picking the entry that is already selected is still a step done.
        connect(list, &QComboBox::activated, this, &MainWindow::setFocusToNextStep);
    }
    for (QCheckBox* box : {ignoreCommonWordsCheck_, ignoreShortWordsCheck_}) {
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::onOptionChanged);
        connect(box, &QCheckBox::clicked, box, [box] { box->setTristate(false); });
    }
    connect(largeWindowCheck_, &QCheckBox::stateChanged, this, &MainWindow::onLargeWindowToggled);
    for (QLineEdit* box : {inputFileEdit_, wordsToIgnoreEdit_, beginMetaTagWithEdit_,
                           maxKeywordsEdit_, maxBytesEdit_}) {
        connect(box, &QLineEdit::textChanged, this, &MainWindow::readSettingsFromControls);
    }
    connect(inputFileEdit_, &QLineEdit::textEdited, this,
            [this] { inputFileLeftByEnter_ = false; });
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
    for (QWidget* widget :
         {static_cast<QWidget*>(helpButton_), static_cast<QWidget*>(generateTagButton_),
          static_cast<QWidget*>(showExistingButton_), static_cast<QWidget*>(inputFileEdit_)}) {
        widget->installEventFilter(this);
    }
    connectButtons();
}

void MainWindow::connectButtons() {
    connect(resetButton_, &QPushButton::clicked, this, &MainWindow::onResetClicked);
    connect(clearInputFileButton_, &QPushButton::clicked, this,
            &MainWindow::onClearInputFileClicked);
    connect(clearWordsToIgnoreButton_, &QPushButton::clicked, this,
            &MainWindow::onClearWordsToIgnoreClicked);
    connect(clearBeginMetaTagWithButton_, &QPushButton::clicked, this,
            &MainWindow::onClearBeginMetaTagWithClicked);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::onHelpClicked);
    connect(inputFileButton_, &QPushButton::clicked, this, &MainWindow::onInputFileClicked);
    connect(listWordsButton_, &QPushButton::clicked, this, &MainWindow::onListWordsClicked);
    connect(generateTagButton_, &QPushButton::clicked, this, &MainWindow::onGenerateTagClicked);
    connect(showExistingButton_, &QPushButton::clicked, this, &MainWindow::onShowExistingClicked);
    connect(copyButton_, &QPushButton::clicked, this, &MainWindow::onCopyToClipboardClicked);
    connect(quitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(makerLink_, &LinkLabel::clicked, this, &MainWindow::onMakerLinkClicked);
    connect(manualLink_, &LinkLabel::clicked, this, &MainWindow::onManualLinkClicked);
}

void MainWindow::readSettingsFromControls() {
    core::UserSettings& s = userSettings_;
    s.inputFile = ToEngineText(inputFileEdit_->text());
    s.ignoreCommonWords = CheckValue(ignoreCommonWordsCheck_);
    s.ignoreShortWords = CheckValue(ignoreShortWordsCheck_);
    s.shortWordSizeIndex = shortWordSizeList_->currentIndex();
    s.minFrequencyIndex = minFrequencyList_->currentIndex();
    s.tableWeightIndex = tableWeightList_->currentIndex();
    s.existingKeywordsWeightIndex = existingKeywordsWeightList_->currentIndex();
    s.boldWeightIndex = boldWeightList_->currentIndex();
    s.wordsToIgnore = ToEngineText(wordsToIgnoreEdit_->text());
    s.beginMetaTagWith = ToEngineText(beginMetaTagWithEdit_->text());
    s.maxKeywordsText = ToEngineText(maxKeywordsEdit_->text());
    s.maxBytesText = ToEngineText(maxBytesEdit_->text());
    s.largeWindow = largeWindowCheck_->isChecked() ? 1 : 0;
    analysisSettings_ = core::ToAnalysisSettings(s);
}

// Setting a control from code has the effect of the user changing it: its handler runs.
void MainWindow::showControlsFrom(const core::UserSettings& settings) {
    SetTextIfChanged(inputFileEdit_, QString::fromUtf8(settings.inputFile));
    SetTextIfChanged(beginMetaTagWithEdit_, QString::fromUtf8(settings.beginMetaTagWith));
    SetTextIfChanged(wordsToIgnoreEdit_, QString::fromUtf8(settings.wordsToIgnore));
    SetTextIfChanged(maxKeywordsEdit_, QString::fromUtf8(settings.maxKeywordsText));
    SetTextIfChanged(maxBytesEdit_, QString::fromUtf8(settings.maxBytesText));
    shortWordSizeList_->setCurrentIndex(settings.shortWordSizeIndex);
    minFrequencyList_->setCurrentIndex(settings.minFrequencyIndex);
    tableWeightList_->setCurrentIndex(settings.tableWeightIndex);
    existingKeywordsWeightList_->setCurrentIndex(settings.existingKeywordsWeightIndex);
    boldWeightList_->setCurrentIndex(settings.boldWeightIndex);
    SetCheckValue(ignoreShortWordsCheck_, settings.ignoreShortWords);
    SetCheckValue(ignoreCommonWordsCheck_, settings.ignoreCommonWords);
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
    if (!inputFileEdit_->text().isEmpty()) {
        (generateTagButton_->isEnabled() ? generateTagButton_ : listWordsButton_)->setFocus();
    } else {
        inputFileButton_->setFocus();
    }
    copyButton_->setEnabled(true);
}

void MainWindow::enableCommands(bool enabled) {
    for (QPushButton* button : {inputFileButton_, showExistingButton_, generateTagButton_,
                                clearInputFileButton_, resetButton_, clearBeginMetaTagWithButton_,
                                clearWordsToIgnoreButton_, helpButton_, copyButton_}) {
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
            if (key->key() == Qt::Key_F1 && watched != inputFileEdit_) {
                onHelpClicked();
                return true;
            }
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                watched == inputFileEdit_) {
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
    if (old == inputFileEdit_) {
        // Enter already did what leaving does; its own focus move must not do it twice.
        if (inputFileLeftByEnter_) {
            inputFileLeftByEnter_ = false;
        } else {
            onInputFileEditingFinished();
        }
    } else if (old == wordsToIgnoreEdit_) {
        onWordsToIgnoreEditingFinished();
    } else if (old == maxKeywordsEdit_) {
        onMaxKeywordsEditingFinished();
    } else if (old == maxBytesEdit_) {
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
    inputFileEdit_->clear();
    analysisCurrent_ = false;
    inputFileButton_->setFocus();
}

void MainWindow::onClearWordsToIgnoreClicked() {
    wordsToIgnoreEdit_->clear();
    onWordsToIgnoreEditingFinished();
}

void MainWindow::onClearBeginMetaTagWithClicked() {
    beginMetaTagWithEdit_->clear();
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
    inputFileEdit_->setText(QDir::toNativeSeparators(path));
    setOutputText({});
    wordCountLabel_->clear();
    validateInputFile(path);
    setFocusToNextStep();
}

void MainWindow::onInputFileEditingFinished() {
    if (!isEnabled()) {
        return;
    }
    const QString path = TrimSpaces(inputFileEdit_->text());
    SetTextIfChanged(inputFileEdit_, path);
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
        inputFileEdit_->clear();
        return;
    }
    showMessage(core::InputFileNameMessage(check));
}

void MainWindow::onWordsToIgnoreEditingFinished() {
    const core::WordsToIgnoreNormalised normalised =
        core::NormaliseWordsToIgnore(ToEngineText(wordsToIgnoreEdit_->text()));
    SetTextIfChanged(wordsToIgnoreEdit_, QString::fromUtf8(normalised.boxText));
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
    CheckLimitBox(maxKeywordsEdit_, core::CheckMaxKeywordsBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

void MainWindow::onMaxBytesEditingFinished() {
    CheckLimitBox(maxBytesEdit_, core::CheckMaxBytesBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

} // namespace orvanta::ui
