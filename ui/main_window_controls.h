#pragma once

#include "core/user_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class QString;

namespace orvanta::ui {

// Sets the box's text only when it differs, so no change is signalled for nothing.
void SetTextIfChanged(QLineEdit* box, const QString& text);

class LinkLabel;
class TwipScale;

// The main window's controls: each at its place in the layout, with its caption, font, colour
// and object name, the order in which Tab visits them, and what the keyboard and a screen reader
// need.
struct MainWindowControls {
    // Builds every control as a child of window and sizes the window.
    void create(QWidget* window);
    // The options as the controls hold them.
    core::UserSettings read() const;
    // Puts the options into the controls; each control that changes signals it.
    void show(const core::UserSettings& settings);

    QPushButton* inputFileButton = nullptr;
    QLineEdit* inputFileEdit = nullptr;
    QPushButton* clearInputFileButton = nullptr;
    QCheckBox* ignoreCommonWordsCheck = nullptr;
    QCheckBox* ignoreShortWordsCheck = nullptr;
    QComboBox* shortWordSizeList = nullptr;
    QLabel* charsOrLessLabel = nullptr;
    QPushButton* resetButton = nullptr;
    QLabel* wordsToIgnoreLabel = nullptr;
    QLineEdit* wordsToIgnoreEdit = nullptr;
    QPushButton* clearWordsToIgnoreButton = nullptr;
    QLabel* beginMetaTagWithLabel = nullptr;
    QLineEdit* beginMetaTagWithEdit = nullptr;
    QPushButton* clearBeginMetaTagWithButton = nullptr;
    QLabel* minFrequencyLabel = nullptr;
    QComboBox* minFrequencyList = nullptr;
    QLabel* existingKeywordsWeightLabel = nullptr;
    QComboBox* existingKeywordsWeightList = nullptr;
    QPushButton* showExistingButton = nullptr;
    QLabel* tableWeightLabel = nullptr;
    QComboBox* tableWeightList = nullptr;
    QLabel* boldWeightLabel = nullptr;
    QComboBox* boldWeightList = nullptr;
    QLabel* maxKeywordsLabel = nullptr;
    QLineEdit* maxKeywordsEdit = nullptr;
    QPushButton* listWordsButton = nullptr;
    QLabel* wordCountLabel = nullptr;
    QLabel* maxBytesLabel = nullptr;
    QLineEdit* maxBytesEdit = nullptr;
    QCheckBox* largeWindowCheck = nullptr;
    QPushButton* generateTagButton = nullptr;
    QPlainTextEdit* outputBox = nullptr;
    QWidget* bottomStrip = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* quitButton = nullptr;
    QLabel* noticeLabel = nullptr;
    LinkLabel* makerLink = nullptr;
    LinkLabel* manualLink = nullptr;

private:
    void createInputFileRows(QWidget* window, const TwipScale& s);
    void createWeightRows(QWidget* window, const TwipScale& s);
    void createRunRows(QWidget* window, const TwipScale& s);
    void createBottomStrip(QWidget* window, const TwipScale& s);
    void setTabOrder();
    void setKeyboardAccess(QWidget* window);
};

} // namespace orvanta::ui
