#include "ui/main_window_controls.h"

#include "core/messages.h"
#include "ui/link_label.h"
#include "ui/main_window_layout.h"
#include "ui/text_lines.h"
#include "ui/twip_scale.h"
#include "ui/window_fonts.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <utility>

namespace orvanta::ui {

namespace {

// The form's own colours: the light green, and dark text on it whatever the desktop's palette
// says, so that labels and check boxes stay readable under a dark palette too. Buttons, lists
// and text boxes keep the desktop's own pairs of colours.
const QColor kBackground(192, 255, 192);
const QColor kText(0, 0, 0);

// A text box holds any text the settings file can (the default limit of 32,767 characters would
// cut a longer saved text).
constexpr int kTextBoxMaxLength = 1 << 20;

template <typename Widget>
Widget* Place(Widget* widget, const char* name, const TwipScale& scale, int left, int top,
              int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(scale.rect(left, top, width, height));
    return widget;
}

QFont LargeCaption() {
    return CaptionFont(9.75, true);
}

QComboBox* DigitList(QWidget* parent, int first) {
    auto* list = new QComboBox(parent);
    for (int digit = first; digit <= 9; ++digit) {
        list->addItem(QString::number(digit));
    }
    return list;
}

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

} // namespace

void SetTextIfChanged(QLineEdit* box, const QString& text) {
    if (box->text() != text) {
        box->setText(text);
    }
}

void MainWindowControls::create(QWidget* window) {
    window->setObjectName(QStringLiteral("frmMain"));
    window->setFont(CaptionFont(8.25, true));
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, kBackground);
    palette.setColor(QPalette::WindowText, kText);
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    const TwipScale s(window->logicalDpiY());
    window->setFixedSize(s.px(kClientWidth), s.px(kClientHeight));
    createInputFileRows(window, s);
    createWeightRows(window, s);
    createRunRows(window, s);
    for (QLabel* label : window->findChildren<QLabel*>()) {
        label->setAlignment(label->alignment() & Qt::AlignRight ? Qt::AlignRight | Qt::AlignTop
                                                                : Qt::AlignLeft | Qt::AlignTop);
    }
    createBottomStrip(window, s);
    setTabOrder();
    setKeyboardAccess(window);
}

// The input file, the two ignore options and the two text boxes with their Clear buttons.
void MainWindowControls::createInputFileRows(QWidget* window, const TwipScale& s) {
    inputFileButton = Place(new QPushButton(QStringLiteral("Input file"), window), "cmdInputFile",
                            s, 105, 80, 1380, 360);
    inputFileButton->setFont(LargeCaption());
    inputFileEdit = Place(new QLineEdit(window), "txbInputFile", s, 1575, 105, 6990, 330);
    inputFileEdit->setFont(FixedPitchFont(8.25));
    inputFileEdit->setMaxLength(kTextBoxMaxLength);
    clearInputFileButton = Place(new QPushButton(QStringLiteral("Clear"), window),
                                 "cmdClearInputFile", s, 8650, 105, 700, 300);

    ignoreCommonWordsCheck = Place(new QCheckBox(QStringLiteral("Ignore common words"), window),
                                   "chkIgnoreCommonWords", s, 105, 525, 2850, 330);
    ignoreCommonWordsCheck->setFont(LargeCaption());
    ignoreShortWordsCheck = Place(new QCheckBox(QStringLiteral("Ignore words with"), window),
                                  "chkIgnoreShortWords", s, 3675, 525, 2220, 330);
    ignoreShortWordsCheck->setFont(LargeCaption());
    shortWordSizeList = Place(DigitList(window, 1), "cboShortWordSize", s, 5880, 540, 645, 315);
    charsOrLessLabel = Place(new QLabel(QStringLiteral("characters or less"), window),
                             "lblCharsOrLess", s, 6615, 570, 1905, 330);
    charsOrLessLabel->setFont(LargeCaption());
    resetButton =
        Place(new QPushButton(QStringLiteral("Reset"), window), "cmdReset", s, 8650, 525, 700, 300);

    wordsToIgnoreLabel = Place(new QLabel(QStringLiteral("Ignore these words:"), window),
                               "lblIgnoreTheseWords", s, 105, 945, 2325, 330);
    wordsToIgnoreLabel->setFont(LargeCaption());
    wordsToIgnoreEdit = Place(new QLineEdit(window), "txbWordsToIgnore", s, 2250, 945, 6320, 330);
    wordsToIgnoreEdit->setFont(FixedPitchFont(8.25));
    wordsToIgnoreEdit->setMaxLength(kTextBoxMaxLength);
    clearWordsToIgnoreButton = Place(new QPushButton(QStringLiteral("Clear"), window),
                                     "cmdClearWordsToIgnore", s, 8655, 945, 700, 300);

    beginMetaTagWithLabel = Place(new QLabel(QStringLiteral("Begin meta tag with:"), window),
                                  "lblBeginMetaTagWith", s, 105, 1365, 2325, 330);
    beginMetaTagWithLabel->setFont(LargeCaption());
    beginMetaTagWithEdit =
        Place(new QLineEdit(window), "txbBeginMetaTagWith", s, 2250, 1365, 6320, 330);
    beginMetaTagWithEdit->setFont(FixedPitchFont(8.25));
    beginMetaTagWithEdit->setMaxLength(kTextBoxMaxLength);
    clearBeginMetaTagWithButton = Place(new QPushButton(QStringLiteral("Clear"), window),
                                        "cmdClearBeginMetaTagWith", s, 8655, 1365, 700, 300);
}

// The minimum frequency, the three weights and the limit on keywords.
void MainWindowControls::createWeightRows(QWidget* window, const TwipScale& s) {
    minFrequencyLabel = Place(new QLabel(QStringLiteral("Min. frequency:"), window),
                              "lblThresholdFrequency", s, 105, 1815, 2325, 330);
    minFrequencyLabel->setFont(LargeCaption());
    minFrequencyList =
        Place(DigitList(window, 1), "cboThresholdFrequency", s, 1785, 1800, 645, 315);
    existingKeywordsWeightLabel =
        Place(new QLabel(QStringLiteral("Existing keywords weight:"), window),
              "lblExistingkeywordsWeight", s, 2520, 1815, 2745, 330);
    existingKeywordsWeightLabel->setFont(LargeCaption());
    existingKeywordsWeightList =
        Place(DigitList(window, 0), "cboExistingKeywordsWeight", s, 5250, 1800, 645, 315);
    showExistingButton = Place(new QPushButton(QStringLiteral("Show existing  keywords"), window),
                               "cmdShowExistingKeywordMetaTag", s, 6405, 1785, 2955, 360);
    showExistingButton->setFont(LargeCaption());

    tableWeightLabel = Place(new QLabel(QStringLiteral("Table weight:"), window), "lblTableWeight",
                             s, 105, 2220, 1590, 330);
    tableWeightLabel->setFont(LargeCaption());
    tableWeightList = Place(DigitList(window, 0), "cboTableWeight", s, 1785, 2205, 645, 315);
    boldWeightLabel = Place(new QLabel(QStringLiteral("Bold weight:"), window), "lblBoldWeight", s,
                            2520, 2220, 1485, 330);
    boldWeightLabel->setFont(LargeCaption());
    boldWeightList = Place(DigitList(window, 1), "cboBoldWeight", s, 3900, 2205, 645, 315);
    maxKeywordsLabel =
        Place(new QLabel(QStringLiteral("Max. number of keywords in meta tag:"), window),
              "lblMaxNumKeywords", s, 4785, 2220, 3900, 330);
    maxKeywordsLabel->setFont(LargeCaption());
    maxKeywordsLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    maxKeywordsEdit =
        Place(new QLineEdit(window), "txbMaxNumKeywordsInMetaTag", s, 8760, 2220, 540, 330);
    maxKeywordsEdit->setMaxLength(4);
}

// The two run buttons, the word count, the byte limit, the large window option and the output
// box.
void MainWindowControls::createRunRows(QWidget* window, const TwipScale& s) {
    listWordsButton = Place(new QPushButton(QLatin1String(core::kListWordsCaption), window),
                            "cmdListWords", s, 105, 2565, 1380, 360);
    listWordsButton->setFont(LargeCaption());
    wordCountLabel = Place(new QLabel(window), "lblNumberOfWords", s, 1785, 2625, 3165, 225);
    wordCountLabel->setFont(LargeCaption());
    maxBytesLabel = Place(new QLabel(QStringLiteral("Max. number of bytes in meta tag:"), window),
                          "lblMaxNumBytes", s, 5100, 2625, 3585, 330);
    maxBytesLabel->setFont(LargeCaption());
    maxBytesLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    maxBytesEdit = Place(new QLineEdit(window), "txbMaxNumBytesInMetaTag", s, 8760, 2625, 540, 330);
    maxBytesEdit->setMaxLength(4);

    largeWindowCheck = Place(new QCheckBox(QStringLiteral("Large window"), window),
                             "chkLargeWindow", s, 105, 3045, 1815, 330);
    largeWindowCheck->setFont(LargeCaption());
    generateTagButton = Place(new QPushButton(QStringLiteral("Generate keywords meta tag"), window),
                              "cmdGenerateKeywordMetaTag", s, 5955, 3015, 3390, 360);
    generateTagButton->setFont(LargeCaption());

    outputBox = Place(new QPlainTextEdit(window), "txbMetaTag", s, 105, kOutputBoxTop, 9255, 2115);
    outputBox->setFont(FixedPitchFont(8.25));
    outputBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void MainWindowControls::createBottomStrip(QWidget* window, const TwipScale& s) {
    bottomStrip = Place(new QWidget(window), "Frame1", s, 105, kBottomStripTop, kBottomStripWidth,
                        kBottomStripHeight);

    helpButton = Place(new QPushButton(QStringLiteral("Help"), bottomStrip), "cmdHelp", s, 0, 0,
                       kHelpButtonWidth, 330);
    const int copyLeft = CentredCopyButtonLeft(kBottomStripWidth, 0, kHelpButtonWidth,
                                               kCopyButtonWidth, kQuitButtonWidth);
    copyButton = Place(new QPushButton(QStringLiteral("Copy to clipboard"), bottomStrip),
                       "cmdCopyToClipboard", s, copyLeft, 0, kCopyButtonWidth, 330);
    quitButton = Place(new QPushButton(QStringLiteral("Quit"), bottomStrip), "cmdQuit", s,
                       kBottomStripWidth - kQuitButtonWidth, 0, kQuitButtonWidth, 330);

    noticeLabel = Place(new QLabel(QStringLiteral("Made by"), bottomStrip), "lblNotice", s, 0, 420,
                        1485, 240);
    noticeLabel->setFont(CaptionFont(8.25, false));
    makerLink = Place(new LinkLabel(QStringLiteral("Vostrel Systems"), bottomStrip),
                      "lblVostrelSystems", s, 1575, 420, 2115, 240);
    makerLink->setFont(CaptionFont(8.25, false, true));
    manualLink = Place(new LinkLabel(QStringLiteral("Online documentation"), bottomStrip),
                       "lblOnlineDocumentation", s, 6700, 420, 2535, 240);
    manualLink->setFont(CaptionFont(8.25, false, true));
    manualLink->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void MainWindowControls::setTabOrder() {
    QWidget* const order[] = {
        inputFileEdit,
        ignoreShortWordsCheck,
        beginMetaTagWithEdit,
        maxKeywordsEdit,
        outputBox,
        shortWordSizeList,
        inputFileButton,
        generateTagButton,
        clearInputFileButton,
        clearBeginMetaTagWithButton,
        maxBytesEdit,
        listWordsButton,
        minFrequencyList,
        resetButton,
        copyButton,
        quitButton,
        helpButton,
        ignoreCommonWordsCheck,
        tableWeightList,
        boldWeightList,
        largeWindowCheck,
        existingKeywordsWeightList,
        showExistingButton,
        clearWordsToIgnoreButton,
        wordsToIgnoreEdit,
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

// Enter presses the focused button; Tab moves on from the output box too, since a tag needs no
// tab character. Each box and list is tied to the caption beside it, which a screen reader reads
// as its name; the two boxes without a caption of their own are named for what they hold.
void MainWindowControls::setKeyboardAccess(QWidget* window) {
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
    outputBox->setTabChangesFocus(true);
    const std::pair<QLabel*, QWidget*> captions[] = {
        {charsOrLessLabel, shortWordSizeList},
        {wordsToIgnoreLabel, wordsToIgnoreEdit},
        {beginMetaTagWithLabel, beginMetaTagWithEdit},
        {minFrequencyLabel, minFrequencyList},
        {existingKeywordsWeightLabel, existingKeywordsWeightList},
        {tableWeightLabel, tableWeightList},
        {boldWeightLabel, boldWeightList},
        {maxKeywordsLabel, maxKeywordsEdit},
        {maxBytesLabel, maxBytesEdit},
    };
    for (const auto& [label, control] : captions) {
        label->setBuddy(control);
    }
    inputFileEdit->setAccessibleName(inputFileButton->text());
    outputBox->setAccessibleName(QStringLiteral("Output"));
}

core::UserSettings MainWindowControls::read() const {
    core::UserSettings s;
    s.inputFile = ToEngineText(inputFileEdit->text());
    s.ignoreCommonWords = CheckValue(ignoreCommonWordsCheck);
    s.ignoreShortWords = CheckValue(ignoreShortWordsCheck);
    s.shortWordSizeIndex = shortWordSizeList->currentIndex();
    s.minFrequencyIndex = minFrequencyList->currentIndex();
    s.tableWeightIndex = tableWeightList->currentIndex();
    s.existingKeywordsWeightIndex = existingKeywordsWeightList->currentIndex();
    s.boldWeightIndex = boldWeightList->currentIndex();
    s.wordsToIgnore = ToEngineText(wordsToIgnoreEdit->text());
    s.beginMetaTagWith = ToEngineText(beginMetaTagWithEdit->text());
    s.maxKeywordsText = ToEngineText(maxKeywordsEdit->text());
    s.maxBytesText = ToEngineText(maxBytesEdit->text());
    s.largeWindow = largeWindowCheck->isChecked() ? 1 : 0;
    return s;
}

void MainWindowControls::show(const core::UserSettings& settings) {
    SetTextIfChanged(inputFileEdit, QString::fromUtf8(settings.inputFile));
    SetTextIfChanged(beginMetaTagWithEdit, QString::fromUtf8(settings.beginMetaTagWith));
    SetTextIfChanged(wordsToIgnoreEdit, QString::fromUtf8(settings.wordsToIgnore));
    SetTextIfChanged(maxKeywordsEdit, QString::fromUtf8(settings.maxKeywordsText));
    SetTextIfChanged(maxBytesEdit, QString::fromUtf8(settings.maxBytesText));
    shortWordSizeList->setCurrentIndex(settings.shortWordSizeIndex);
    minFrequencyList->setCurrentIndex(settings.minFrequencyIndex);
    tableWeightList->setCurrentIndex(settings.tableWeightIndex);
    existingKeywordsWeightList->setCurrentIndex(settings.existingKeywordsWeightIndex);
    boldWeightList->setCurrentIndex(settings.boldWeightIndex);
    SetCheckValue(ignoreShortWordsCheck, settings.ignoreShortWords);
    SetCheckValue(ignoreCommonWordsCheck, settings.ignoreCommonWords);
}

} // namespace orvanta::ui
