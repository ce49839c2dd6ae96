#include "ui/run_progress.h"

#include "core/messages.h"
#include "ui/text_lines.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace orvanta::ui {

void AppendAtEnd(QPlainTextEdit* box, const QString& text) {
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
}

void RunProgress::start(QPlainTextEdit* outputBox, QLabel* wordCountLabel) {
    outputBox_ = outputBox;
    wordCountLabel_ = wordCountLabel;
    pendingWords_.clear();
    pendingWordCount_ = -1;
    wordCount_ = 0;
    throttle_.restart();
}

void RunProgress::wordAdded(std::string_view word, std::int64_t wordCount) {
    if (wordCount_ > 0 && wordCount_ % kWordsPerLine == 0) {
        pendingWords_ += '\n';
    }
    wordCount_ = wordCount;
    pendingWords_.append(word);
    pendingWords_ += ' ';
    pendingWordCount_ = wordCount;
}

void RunProgress::flush() {
    if (!pendingWords_.empty() && outputBox_ != nullptr) {
        AppendAtEnd(outputBox_, QString::fromUtf8(pendingWords_));
    }
    pendingWords_.clear();
    if (pendingWordCount_ >= 0 && wordCountLabel_ != nullptr) {
        wordCountLabel_->setText(FromEngineText(core::WordsFoundCaption(pendingWordCount_)));
    }
    pendingWordCount_ = -1;
}

} // namespace orvanta::ui
