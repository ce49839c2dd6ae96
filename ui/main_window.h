#pragma once

#include "core/messages.h"
#include "core/user_settings.h"
#include "engine/analysis_settings.h"
#include "engine/words/ignore_list.h"
#include "engine/words/word_table.h"
#include "ui/main_window_controls.h"
#include "ui/user_dialogs.h"
#include "ui/window_run.h"

#include <QList>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvanta::ui {

class HelpWindow;

struct MainWindowOptions {
    QString settingsFilePath;
    UserDialogs* dialogs = nullptr; // not owned; must outlive the window
    // The analysis itself; replaceable so that the window's handling of every outcome can be
    // exercised without crafting documents that fail to read.
    AnalysisFunction runAnalysis = RunAnalysis;
    // What ending the program means once the settings are saved.
    std::function<void()> endProgram;
};

// The program's working window. It holds every option in its controls and mirrors them into a
// settings record on every change, which the engine reads while it runs.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // Builds the window and restores the settings; the window is not shown yet.
    explicit MainWindow(MainWindowOptions options);
    ~MainWindow() override;

    // Shows the window and puts the focus where the user's next step is.
    void start();

    // Takes a page named from outside the window (the command line, a later copy of the
    // program, a drop) as if it had been chosen in the open dialog, and brings the window to the
    // front. A page given during a run is taken when the run ends.
    void openFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Window building.
    void connectHandlers();
    void connectButtons();
    void addShortcuts();

    // Procedures other parts of the window call.
    void setDefaults(bool keepTexts);
    void setFocusToNextStep();
    void enableCommands(bool enabled);
    void showControlsFrom(const core::UserSettings& settings);
    void readSettingsFromControls();
    void loadState();
    void saveSettings();
    void showMessage(const QString& text, const QString& title, MessageIcon icon);
    void showMessage(const core::Message& message);

    // Event handlers.
    void onOptionChanged();
    void onFocusChanged(QWidget* old, QWidget* now);
    void onResetClicked();
    void onClearInputFileClicked();
    void onClearWordsToIgnoreClicked();
    void onClearBeginMetaTagWithClicked();
    void onHelpClicked();
    void onInputFileClicked();
    void takeInputFile(const QString& path);
    void bringToFront();
    void onUrlsDropped(const QList<QUrl>& urls);
    void onInputFileEditingFinished();
    // Trims and checks the name in the input box; false when the window is disabled.
    bool checkInputFileBox();
    void onWordsToIgnoreEditingFinished();
    void onMaxKeywordsEditingFinished();
    void onMaxBytesEditingFinished();
    void validateInputFile(const QString& path);
    void onListWordsClicked();
    void onGenerateTagClicked();
    void onShowExistingClicked();
    void onCopyToClipboardClicked();
    void onLargeWindowToggled();
    void onMakerLinkClicked();
    void onManualLinkClicked();

    // Runs.
    void runAnalysis(bool generateTag);
    RunResult runLocked(const std::string& path);
    bool takeRunResult(RunResult& result);
    bool readInputFileForRun(std::string& path);
    void writeOutput(bool generateTag);
    void setOutputText(const QString& text);

    MainWindowOptions options_;
    core::UserSettings userSettings_;
    // The settings as read from the file and as the controls showed them right after, so that
    // a save keeps the file's texts where the user changed nothing.
    std::optional<core::UserSettings> stateRead_;
    std::optional<core::UserSettings> stateShown_;
    AnalysisSettings analysisSettings_; // derived from userSettings_ at every change
    IgnoreList ignoreList_;
    std::vector<WordEntry> words_;
    // The last tag written to the output box, for the clipboard copy.

    bool loading_ = false;
    bool analysisCurrent_ = false;
    bool ending_ = false;
    bool settingControls_ = false;
    bool inputFileLeftByEnter_ = false;
    bool inputFileLeftByTab_ = false;
    QString pendingFile_;  // given during a run, taken when it ends
    int normalHeight_ = 0; // twips, outer height at start-up

    WindowRun run_;

    MainWindowControls ui_;
    QPointer<HelpWindow> help_;
};

} // namespace orvanta::ui
