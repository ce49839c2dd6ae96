// Analysis runs in the window: the run lock, the progress display, Stop, and the output step.

#include "core/input_file_check.h"
#include "core/messages.h"
#include "core/output_text.h"
#include "engine/existing_keywords.h"
#include "engine/meta_tag_composer.h"
#include "ui/main_window.h"
#include "ui/text_lines.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <exception>

namespace orvanta::ui {

namespace {

void AppendAtEnd(QPlainTextEdit* box, const QString& text) {
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

} // namespace

void MainWindow::setOutputText(const QString& text) {
    ui_.outputBox->setPlainText(text);
}

void MainWindow::onListWordsClicked() {
    if (ui_.listWordsButton->text() == QLatin1String(core::kStopCaption)) {
        stopRequested_ = true;
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
    setOutputText(FromEngineText(core::ExistingKeywordsText(FindExistingKeywords(path))));
}

bool MainWindow::readInputFileForRun(std::string& path) {
    const QString trimmed = TrimSpaces(ui_.inputFileEdit->text());
    if (ui_.inputFileEdit->text() != trimmed) {
        ui_.inputFileEdit->setText(trimmed);
    }
    path = ToEngineText(trimmed);
    const core::InputFileCheck check = core::CheckInputFile(path);
    if (check != core::InputFileCheck::Ok) {
        showMessage(core::InputFileMessage(check));
        return false;
    }
    return true;
}

void MainWindow::runAnalysis(bool generateTag) {
    if (running_) {
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
    writeOutput(generateTag);
    setFocusToNextStep();
}

// Runs the analysis with the commands disabled and the run button turned into Stop.
RunResult MainWindow::runLocked(const std::string& path) {
    setOutputText({});
    ui_.outputBox->repaint();
    stopRequested_ = false;
    pendingWords_.clear();
    pendingWordCount_ = -1;
    ui_.listWordsButton->setText(QLatin1String(core::kStopCaption));
    enableCommands(false);

    running_ = true;
    throttle_.restart();
    RunResult result;
    try {
        result = options_.runAnalysis(path, *this);
    } catch (const std::exception& error) {
        result.outcome = RunOutcome::Failed;
        result.failureReason = error.what();
    }
    running_ = false;
    if (!ending_) {
        flushProgress();
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
    shownTagText_ = tag.noWords ? QString() : text;
    shownTagClipboardText_ = FromEngineText(core::TagClipboardText(tag));
}

void MainWindow::wordAdded(std::string_view word, std::int64_t wordCount) {
    pendingWords_.append(word);
    pendingWords_ += ' ';
    pendingWordCount_ = wordCount;
}

// Words found since the last pass go to the box in one piece: the same text as adding them one
// by one, for a fraction of the cost.
void MainWindow::flushProgress() {
    if (!pendingWords_.empty()) {
        AppendAtEnd(ui_.outputBox, QString::fromUtf8(pendingWords_));
        pendingWords_.clear();
    }
    if (pendingWordCount_ >= 0) {
        ui_.wordCountLabel->setText(FromEngineText(core::WordsFoundCaption(pendingWordCount_)));
        pendingWordCount_ = -1;
    }
}

void MainWindow::yieldPoint() {
    if (ending_ || !throttle_.due()) {
        return;
    }
    flushProgress();
    QCoreApplication::processEvents();
}

bool MainWindow::stopRequested() {
    return stopRequested_ || ending_;
}

} // namespace orvanta::ui
