// Building the main window: every control at its drawn position, with its caption, font and
// colour, and the order in which Tab visits them.

#include "core/messages.h"
#include "ui/link_label.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/twip_scale.h"
#include "ui/window_fonts.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvanta::ui {

namespace {

const QColor kBackground(192, 255, 192);

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

} // namespace

void MainWindow::createControls() {
    setObjectName(QStringLiteral("frmMain"));
    setFont(CaptionFont(8.25, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    const TwipScale s(logicalDpiY());
    setFixedSize(s.px(kClientWidth), s.px(kClientHeight));
    createInputFileRows(s);
    createWeightRows(s);
    createRunRows(s);
    for (QLabel* label : findChildren<QLabel*>()) {
        label->setAlignment(label->alignment() & Qt::AlignRight ? Qt::AlignRight | Qt::AlignTop
                                                                : Qt::AlignLeft | Qt::AlignTop);
    }
    createBottomStrip();
    setTabOrder();
}

// The input file, the two ignore options and the two text boxes with their Clear buttons.
void MainWindow::createInputFileRows(const TwipScale& s) {
    inputFileButton_ = Place(new QPushButton(QStringLiteral("Input file"), this), "cmdInputFile", s,
                             105, 80, 1380, 360);
    inputFileButton_->setFont(LargeCaption());
    inputFileEdit_ = Place(new QLineEdit(this), "txbInputFile", s, 1575, 105, 6990, 330);
    inputFileEdit_->setFont(FixedPitchFont(8.25));
    clearInputFileButton_ = Place(new QPushButton(QStringLiteral("Clear"), this),
                                  "cmdClearInputFile", s, 8650, 105, 700, 300);

    ignoreCommonWordsCheck_ = Place(new QCheckBox(QStringLiteral("Ignore common words"), this),
                                    "chkIgnoreCommonWords", s, 105, 525, 2850, 330);
    ignoreCommonWordsCheck_->setFont(LargeCaption());
    ignoreShortWordsCheck_ = Place(new QCheckBox(QStringLiteral("Ignore words with"), this),
                                   "chkIgnoreShortWords", s, 3675, 525, 2220, 330);
    ignoreShortWordsCheck_->setFont(LargeCaption());
    shortWordSizeList_ = Place(DigitList(this, 1), "cboShortWordSize", s, 5880, 540, 645, 315);
    charsOrLessLabel_ = Place(new QLabel(QStringLiteral("characters or less"), this),
                              "lblCharsOrLess", s, 6615, 570, 1905, 330);
    charsOrLessLabel_->setFont(LargeCaption());
    resetButton_ =
        Place(new QPushButton(QStringLiteral("Reset"), this), "cmdReset", s, 8650, 525, 700, 300);

    wordsToIgnoreLabel_ = Place(new QLabel(QStringLiteral("Ignore these words:"), this),
                                "lblIgnoreTheseWords", s, 105, 945, 2325, 330);
    wordsToIgnoreLabel_->setFont(LargeCaption());
    wordsToIgnoreEdit_ = Place(new QLineEdit(this), "txbWordsToIgnore", s, 2250, 945, 6320, 330);
    wordsToIgnoreEdit_->setFont(FixedPitchFont(8.25));
    clearWordsToIgnoreButton_ = Place(new QPushButton(QStringLiteral("Clear"), this),
                                      "cmdClearWordsToIgnore", s, 8655, 945, 700, 300);

    beginMetaTagWithLabel_ = Place(new QLabel(QStringLiteral("Begin meta tag with:"), this),
                                   "lblBeginMetaTagWith", s, 105, 1365, 2325, 330);
    beginMetaTagWithLabel_->setFont(LargeCaption());
    beginMetaTagWithEdit_ =
        Place(new QLineEdit(this), "txbBeginMetaTagWith", s, 2250, 1365, 6320, 330);
    beginMetaTagWithEdit_->setFont(FixedPitchFont(8.25));
    clearBeginMetaTagWithButton_ = Place(new QPushButton(QStringLiteral("Clear"), this),
                                         "cmdClearBeginMetaTagWith", s, 8655, 1365, 700, 300);
}

// The minimum frequency, the three weights and the limit on keywords.
void MainWindow::createWeightRows(const TwipScale& s) {
    minFrequencyLabel_ = Place(new QLabel(QStringLiteral("Min. frequency:"), this),
                               "lblThresholdFrequency", s, 105, 1815, 2325, 330);
    minFrequencyLabel_->setFont(LargeCaption());
    minFrequencyList_ = Place(DigitList(this, 1), "cboThresholdFrequency", s, 1785, 1800, 645, 315);
    existingKeywordsWeightLabel_ =
        Place(new QLabel(QStringLiteral("Existing keywords weight:"), this),
              "lblExistingkeywordsWeight", s, 2520, 1815, 2745, 330);
    existingKeywordsWeightLabel_->setFont(LargeCaption());
    existingKeywordsWeightList_ =
        Place(DigitList(this, 0), "cboExistingKeywordsWeight", s, 5250, 1800, 645, 315);
    showExistingButton_ = Place(new QPushButton(QStringLiteral("Show existing  keywords"), this),
                                "cmdShowExistingKeywordMetaTag", s, 6405, 1785, 2955, 360);
    showExistingButton_->setFont(LargeCaption());

    tableWeightLabel_ = Place(new QLabel(QStringLiteral("Table weight:"), this), "lblTableWeight",
                              s, 105, 2220, 1590, 330);
    tableWeightLabel_->setFont(LargeCaption());
    tableWeightList_ = Place(DigitList(this, 0), "cboTableWeight", s, 1785, 2205, 645, 315);
    boldWeightLabel_ = Place(new QLabel(QStringLiteral("Bold weight:"), this), "lblBoldWeight", s,
                             2520, 2220, 1485, 330);
    boldWeightLabel_->setFont(LargeCaption());
    boldWeightList_ = Place(DigitList(this, 1), "cboBoldWeight", s, 3900, 2205, 645, 315);
    maxKeywordsLabel_ =
        Place(new QLabel(QStringLiteral("Max. number of keywords in meta tag:"), this),
              "lblMaxNumKeywords", s, 4785, 2220, 3900, 330);
    maxKeywordsLabel_->setFont(LargeCaption());
    maxKeywordsLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    maxKeywordsEdit_ =
        Place(new QLineEdit(this), "txbMaxNumKeywordsInMetaTag", s, 8760, 2220, 540, 330);
    maxKeywordsEdit_->setMaxLength(4);
}

// The two run buttons, the word count, the byte limit, the large window option and the output
// box.
void MainWindow::createRunRows(const TwipScale& s) {
    listWordsButton_ = Place(new QPushButton(QLatin1String(core::kListWordsCaption), this),
                             "cmdListWords", s, 105, 2565, 1380, 360);
    listWordsButton_->setFont(LargeCaption());
    wordCountLabel_ = Place(new QLabel(this), "lblNumberOfWords", s, 1785, 2625, 3165, 225);
    wordCountLabel_->setFont(LargeCaption());
    maxBytesLabel_ = Place(new QLabel(QStringLiteral("Max. number of bytes in meta tag:"), this),
                           "lblMaxNumBytes", s, 5100, 2625, 3585, 330);
    maxBytesLabel_->setFont(LargeCaption());
    maxBytesLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    maxBytesEdit_ = Place(new QLineEdit(this), "txbMaxNumBytesInMetaTag", s, 8760, 2625, 540, 330);
    maxBytesEdit_->setMaxLength(4);

    largeWindowCheck_ = Place(new QCheckBox(QStringLiteral("Large window"), this), "chkLargeWindow",
                              s, 105, 3045, 1815, 330);
    largeWindowCheck_->setFont(LargeCaption());
    generateTagButton_ = Place(new QPushButton(QStringLiteral("Generate keywords meta tag"), this),
                               "cmdGenerateKeywordMetaTag", s, 5955, 3015, 3390, 360);
    generateTagButton_->setFont(LargeCaption());

    outputBox_ = Place(new QPlainTextEdit(this), "txbMetaTag", s, 105, kOutputBoxTop, 9255, 2115);
    outputBox_->setFont(FixedPitchFont(8.25));
    outputBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void MainWindow::createBottomStrip() {
    const TwipScale s(logicalDpiY());
    bottomStrip_ = Place(new QWidget(this), "Frame1", s, 105, kBottomStripTop, kBottomStripWidth,
                         kBottomStripHeight);

    helpButton_ = Place(new QPushButton(QStringLiteral("Help"), bottomStrip_), "cmdHelp", s, 0, 0,
                        kHelpButtonWidth, 330);
    const int copyLeft = CentredCopyButtonLeft(kBottomStripWidth, 0, kHelpButtonWidth,
                                               kCopyButtonWidth, kQuitButtonWidth);
    copyButton_ = Place(new QPushButton(QStringLiteral("Copy to clipboard"), bottomStrip_),
                        "cmdCopyToClipboard", s, copyLeft, 0, kCopyButtonWidth, 330);
    quitButton_ = Place(new QPushButton(QStringLiteral("Quit"), bottomStrip_), "cmdQuit", s,
                        kBottomStripWidth - kQuitButtonWidth, 0, kQuitButtonWidth, 330);

    noticeLabel_ = Place(new QLabel(QStringLiteral("Made by"), bottomStrip_), "lblNotice", s, 0,
                         420, 1485, 240);
    noticeLabel_->setFont(CaptionFont(8.25, false));
    makerLink_ = Place(new LinkLabel(QStringLiteral("Vostrel Systems"), bottomStrip_),
                       "lblVostrelSystems", s, 1575, 420, 2115, 240);
    makerLink_->setFont(CaptionFont(8.25, false, true));
    manualLink_ = Place(new LinkLabel(QStringLiteral("Online documentation"), bottomStrip_),
                        "lblOnlineDocumentation", s, 6700, 420, 2535, 240);
    manualLink_->setFont(CaptionFont(8.25, false, true));
    manualLink_->setAlignment(Qt::AlignRight | Qt::AlignTop);
}

void MainWindow::setTabOrder() {
    QWidget* const order[] = {
        inputFileEdit_,
        ignoreShortWordsCheck_,
        beginMetaTagWithEdit_,
        maxKeywordsEdit_,
        outputBox_,
        shortWordSizeList_,
        inputFileButton_,
        generateTagButton_,
        clearInputFileButton_,
        clearBeginMetaTagWithButton_,
        maxBytesEdit_,
        listWordsButton_,
        minFrequencyList_,
        resetButton_,
        copyButton_,
        quitButton_,
        helpButton_,
        ignoreCommonWordsCheck_,
        tableWeightList_,
        boldWeightList_,
        largeWindowCheck_,
        existingKeywordsWeightList_,
        showExistingButton_,
        clearWordsToIgnoreButton_,
        wordsToIgnoreEdit_,
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace orvanta::ui
