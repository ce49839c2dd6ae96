// The main window's start-up, its options and the rules for focus and enabled buttons.

#include "ui/main_window.h"

#include "engine/output.h"
#include "ui/help_window.h"
#include "ui/input_file_name_check.h"
#include "ui/link_label.h"
#include "ui/program_identity.h"
#include "ui/state_file_format.h"
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
    connect(chkLargeWindow_, &QCheckBox::stateChanged, this, &MainWindow::chkLargeWindow_Click);
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

    connect(cmdReset_, &QPushButton::clicked, this, &MainWindow::cmdReset_Click);
    connect(cmdClearInputFile_, &QPushButton::clicked, this, &MainWindow::cmdClearInputFile_Click);
    connect(cmdClearWordsToIgnore_, &QPushButton::clicked, this,
            &MainWindow::cmdClearWordsToIgnore_Click);
    connect(cmdClearBeginMetaTagWith_, &QPushButton::clicked, this,
            &MainWindow::cmdClearBeginMetaTagWith_Click);
    connect(cmdHelp_, &QPushButton::clicked, this, &MainWindow::cmdHelp_Click);
    connect(cmdInputFile_, &QPushButton::clicked, this, &MainWindow::cmdInputFile_Click);
    connect(cmdListWords_, &QPushButton::clicked, this, &MainWindow::cmdListWords_Click);
    connect(cmdGenerateKeywordMetaTag_, &QPushButton::clicked, this,
            &MainWindow::cmdGenerateKeywordMetaTag_Click);
    connect(cmdShowExistingKeywordMetaTag_, &QPushButton::clicked, this,
            &MainWindow::cmdShowExistingKeywordMetaTag_Click);
    connect(cmdCopyToClipboard_, &QPushButton::clicked, this,
            &MainWindow::cmdCopyToClipboard_Click);
    connect(cmdQuit_, &QPushButton::clicked, this, &QWidget::close);
    connect(lblVostrelSystems_, &LinkLabel::clicked, this, &MainWindow::lblVostrelSystems_Click);
    connect(lblOnlineDocumentation_, &LinkLabel::clicked, this,
            &MainWindow::lblOnlineDocumentation_Click);
}

void MainWindow::readSettingsFromControls() {
    settings_.InputFile = ToEngineText(txbInputFile_->text());
    settings_.IgnoreCommonWords = CheckValue(chkIgnoreCommonWords_);
    settings_.IgnoreShortWords = CheckValue(chkIgnoreShortWords_);
    settings_.ShortWordSize = cboShortWordSize_->currentIndex();
    settings_.ThresholdFrequency = cboThresholdFrequency_->currentIndex();
    settings_.TableWeight = cboTableWeight_->currentIndex();
    settings_.ExistingKeywordsWeight = cboExistingKeywordsWeight_->currentIndex();
    settings_.BoldWeight = cboBoldWeight_->currentIndex();
    settings_.WordsToIgnore = ToEngineText(txbWordsToIgnore_->text());
    settings_.BeginMetaTagWith = ToEngineText(txbBeginMetaTagWith_->text());
    settings_.MaxNumKeywordsInMetaTag = ToEngineText(txbMaxNumKeywordsInMetaTag_->text());
    settings_.MaxNumBytesInMetaTag = ToEngineText(txbMaxNumBytesInMetaTag_->text());
    settings_.LargeWindow = chkLargeWindow_->isChecked() ? 1 : 0;
}

// Setting a control from code has the effect of the user changing it: its handler runs.
void MainWindow::showControlsFrom(const Settings& settings) {
    SetTextIfChanged(txbInputFile_, QString::fromUtf8(settings.InputFile));
    SetTextIfChanged(txbBeginMetaTagWith_, QString::fromUtf8(settings.BeginMetaTagWith));
    SetTextIfChanged(txbWordsToIgnore_, QString::fromUtf8(settings.WordsToIgnore));
    SetTextIfChanged(txbMaxNumKeywordsInMetaTag_,
                     QString::fromUtf8(settings.MaxNumKeywordsInMetaTag));
    SetTextIfChanged(txbMaxNumBytesInMetaTag_, QString::fromUtf8(settings.MaxNumBytesInMetaTag));
    cboShortWordSize_->setCurrentIndex(settings.ShortWordSize);
    cboThresholdFrequency_->setCurrentIndex(settings.ThresholdFrequency);
    cboTableWeight_->setCurrentIndex(settings.TableWeight);
    cboExistingKeywordsWeight_->setCurrentIndex(settings.ExistingKeywordsWeight);
    cboBoldWeight_->setCurrentIndex(settings.BoldWeight);
    SetCheckValue(chkIgnoreShortWords_, settings.IgnoreShortWords);
    SetCheckValue(chkIgnoreCommonWords_, settings.IgnoreCommonWords);
    readSettingsFromControls();
}

void MainWindow::setDefaults(bool keepTexts) {
    analysisCurrent_ = false;
    Settings defaults = settings_;
    ApplyDefaults(defaults, keepTexts);
    showControlsFrom(defaults);
    if (!keepTexts) {
        txbWordsToIgnore_LostFocus();
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

void MainWindow::loadState() {
    Settings loaded = settings_;
    if (LoadStateFile(QFile::encodeName(options_.stateFilePath).toStdString(), loaded)) {
        showControlsFrom(loaded);
        txbWordsToIgnore_LostFocus();
    } else {
        setDefaults(false);
    }
}

void MainWindow::saveState() {
    readSettingsFromControls();
    std::string error;
    if (!SaveStateFile(QFile::encodeName(options_.stateFilePath).toStdString(), settings_, error)) {
        showMessage(QStringLiteral("Error when attempting to save the state: ") +
                        QString::fromLocal8Bit(error),
                    QStringLiteral("Save state"), MessageIcon::Warning);
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
                cmdHelp_Click();
                return true;
            }
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                watched == txbInputFile_) {
                inputFileLeftByEnter_ = true;
                txbInputFile_LostFocus();
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
            txbInputFile_LostFocus();
        }
    } else if (old == txbWordsToIgnore_) {
        txbWordsToIgnore_LostFocus();
    } else if (old == txbMaxNumKeywordsInMetaTag_) {
        txbMaxNumKeywordsInMetaTag_LostFocus();
    } else if (old == txbMaxNumBytesInMetaTag_) {
        txbMaxNumBytesInMetaTag_LostFocus();
    }
}

void MainWindow::onOptionChanged() {
    readSettingsFromControls();
    analysisCurrent_ = false;
    setFocusToNextStep();
}

void MainWindow::cmdReset_Click() {
    setDefaults(true);
    setFocusToNextStep();
}

void MainWindow::cmdClearInputFile_Click() {
    txbInputFile_->clear();
    analysisCurrent_ = false;
    cmdInputFile_->setFocus();
}

void MainWindow::cmdClearWordsToIgnore_Click() {
    txbWordsToIgnore_->clear();
    txbWordsToIgnore_LostFocus();
}

void MainWindow::cmdClearBeginMetaTagWith_Click() {
    txbBeginMetaTagWith_->clear();
}

void MainWindow::cmdHelp_Click() {
    if (!help_) {
        help_ = new HelpWindow(frameGeometry(), size(), ManualUrl().toString(), this);
    }
    help_->open();
}

void MainWindow::cmdInputFile_Click() {
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

void MainWindow::txbInputFile_LostFocus() {
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
    const InputFileNameProblem problem = CheckInputFileName(path);
    if (problem == InputFileNameProblem::None) {
        return;
    }
    // A name restored from the last session that no longer works simply goes.
    if (loading_) {
        txbInputFile_->clear();
        return;
    }
    const MessageText message = InputFileNameMessage(problem);
    showMessage(message.text, message.title, message.icon);
}

void MainWindow::txbWordsToIgnore_LostFocus() {
    const WordsToIgnoreNormalised normalised =
        NormaliseWordsToIgnore(ToEngineText(txbWordsToIgnore_->text()));
    SetTextIfChanged(txbWordsToIgnore_, QString::fromUtf8(normalised.boxText));
    ignoreList_ = IgnoreList(normalised.listText);
    analysisCurrent_ = false;
}

namespace {

void CheckLimitBox(QLineEdit* box, LimitBoxCheck (*check)(std::string_view),
                   const std::function<void(const QString&)>& tell) {
    const LimitBoxCheck result = check(ToEngineText(box->text()));
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

void MainWindow::txbMaxNumKeywordsInMetaTag_LostFocus() {
    CheckLimitBox(txbMaxNumKeywordsInMetaTag_, CheckMaxKeywordsBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

void MainWindow::txbMaxNumBytesInMetaTag_LostFocus() {
    CheckLimitBox(txbMaxNumBytesInMetaTag_, CheckMaxBytesBox, [this](const QString& text) {
        showMessage(text, ProgramName(), MessageIcon::None);
    });
}

} // namespace orvanta::ui
