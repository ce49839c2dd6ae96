// Analysis runs in the window: the run lock, the progress display, Stop, and the output step.

#include "engine/output.h"
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

const QString kStopCaption = QStringLiteral("Stop");
const QString kListWordsCaption = QStringLiteral("List words");

void AppendAtEnd(QPlainTextEdit* box, const QString& text) {
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

} // namespace

void MainWindow::setOutputText(const QString& text) {
    txbMetaTag_->setPlainText(text);
}

void MainWindow::cmdListWords_Click() {
    if (cmdListWords_->text() == kStopCaption) {
        stopRequested_ = true;
        return;
    }
    runAnalysis(false);
}

void MainWindow::cmdGenerateKeywordMetaTag_Click() {
    txbMetaTag_->setFocus();
    runAnalysis(true);
}

void MainWindow::cmdShowExistingKeywordMetaTag_Click() {
    std::string path;
    if (!readInputFileForRun(path)) {
        return;
    }
    setOutputText(FromEngineText(ShowExistingKeywords(path)));
}

bool MainWindow::readInputFileForRun(std::string& path) {
    const QString trimmed = TrimSpaces(txbInputFile_->text());
    if (txbInputFile_->text() != trimmed) {
        txbInputFile_->setText(trimmed);
    }
    path = ToEngineText(trimmed);
    const InputFileCheck check = CheckInputFile(path);
    if (check != InputFileCheck::Ok) {
        showMessage(FromEngineText(InputFileCheckMessage(check)),
                    FromEngineText(InputFileCheckTitle(check)), MessageIcon::Warning);
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
        setOutputText({});
        txbMetaTag_->repaint();
        stopRequested_ = false;
        pendingWords_.clear();
        pendingWordCount_ = -1;
        cmdListWords_->setText(kStopCaption);
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
        if (ending_) {
            return;
        }
        flushProgress();
        cmdListWords_->setText(kListWordsCaption);
        enableCommands(true);

        switch (result.outcome) {
        case RunOutcome::Failed:
            showMessage(QStringLiteral("Error when reading the input file: ") +
                            QString::fromUtf8(result.failureReason),
                        QStringLiteral("Error"), MessageIcon::Warning);
            setFocusToNextStep();
            return;
        case RunOutcome::Stopped:
            AppendAtEnd(txbMetaTag_, FromEngineText(StoppedLine(result.wordsIdentified)));
            lblNumberOfWords_->clear();
            return;
        case RunOutcome::Completed:
            setOutputText(QStringLiteral("Processing "));
            txbMetaTag_->repaint();
            words_ = std::move(result.words);
            lblNumberOfWords_->setText(
                FromEngineText(WordsFoundCaption(static_cast<std::int64_t>(words_.size()))));
            lblNumberOfWords_->repaint();
            analysisCurrent_ = true;
            break;
        }
    }
    writeOutput(generateTag);
    setFocusToNextStep();
}

void MainWindow::writeOutput(bool generateTag) {
    if (generateTag) {
        const ComposedTag tag = ComposeMetaTag(words_, settings_);
        const QString begin = QString::fromUtf8(tag.beginTextShown);
        if (txbBeginMetaTagWith_->text() != begin) {
            txbBeginMetaTagWith_->setText(begin);
        }
        setOutputText(FromEngineText(tag.text));
    } else {
        setOutputText(FromEngineText(WriteWordList(words_, settings_)));
    }
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
        AppendAtEnd(txbMetaTag_, QString::fromUtf8(pendingWords_));
        pendingWords_.clear();
    }
    if (pendingWordCount_ >= 0) {
        lblNumberOfWords_->setText(FromEngineText(WordsFoundCaption(pendingWordCount_)));
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
