// A run in the window: Stop and Quit inside one long line, the progress shown during a run, and
// the output box's handling of long texts.
#include "ui/box_text.h"
#include "window_fixture.h"

#include <QRegularExpression>
#include <QTextDocument>
#include <QTimer>

namespace {

// About seven megabytes: 1,000,000 words, all different, on one line.
QByteArray OneLongLinePage() {
    QByteArray page = "<html><body>";
    page.reserve(8'000'000);
    for (int n = 0; n < 1'000'000; ++n) {
        page += "qa";
        for (int m = n, i = 0; i < 5; ++i, m /= 26) {
            page += char('a' + m % 26);
        }
        page += ' ';
    }
    return page + "</body></html>\n";
}

const QByteArray kShortPage = "<p>Compost feeds roses; compost helps roses.</p>";

} // namespace

class RunResponsivenessTest : public QObject {
    Q_OBJECT
private slots:
    // During a run only Stop (the run button) and Quit work. Stop ends the run at once: inside
    // the line being scanned once the first words are showing, or while a line of 40 MB is still
    // read and prepared, before its first word. A stopped run leaves nothing to reuse. Quit ends
    // the program at once: the settings are saved with the page's name, nothing more is shown,
    // and the single-instance lock is free for the next copy.
    void stopOrQuitEndsTheRunAtOnce() {
        const QByteArray huge = "<html><body>" + QByteArray("qabcde ").repeated(6'000'000);
        const QByteArray oneLongLine = OneLongLinePage();
        const std::tuple<QByteArray, bool, QString> rows[] = {
            {oneLongLine, true, "qa[a-z]+ \nStopped with [1-9]\\d{0,5} words"},
            {huge + "</body></html>", false, "Stopped with 0 words"},
            {oneLongLine, true, ""}, // Quit
        };
        for (const auto& [page, waits, ending] : rows) {
            const bool waitForWords = waits, quit = ending.isEmpty(); // copies, for the timer
            WindowFixture f;
            const QString path = f.writeFile("page.html", page), lockPath = path + ".lock";
            orvanta::ui::SingleInstanceLock lock(lockPath);
            QVERIFY(f.startProgram(lock));
            f.box("txbInputFile")->setText(path);
            auto* listWords = f.find<QPushButton>("cmdListWords");
            bool lockedDuringRun = false, freeAfterQuit = false;
            QTimer poll;
            poll.setInterval(20);
            connect(&poll, &QTimer::timeout, [&] {
                if (!lockedDuringRun && (!waitForWords || !f.output().isEmpty())) {
                    lockedDuringRun = listWords->text() == "Stop" && listWords->isEnabled() &&
                                      !f.find("cmdGenerateKeywordMetaTag")->isEnabled() &&
                                      !f.find("cmdReset")->isEnabled() &&
                                      f.find("cmdQuit")->isEnabled();
                    f.click(quit ? "cmdQuit" : "cmdListWords");
                    freeAfterQuit = quit && orvanta::ui::SingleInstanceLock(lockPath).tryLock();
                }
            });
            poll.start();
            f.click("cmdListWords");
            poll.stop();

            QVERIFY(lockedDuringRun);
            QCOMPARE(f.endCount, int(quit));
            if (quit) {
                QVERIFY(freeAfterQuit && f.dialogs.messages.isEmpty());
                QVERIFY(f.readFile(f.settingsPath).startsWith("\"" + path.toUtf8() + "\"\r\n"));
                continue;
            }
            const QRegularExpression stopped(ending + " identified\\.$");
            QVERIFY2(stopped.match(f.output()).hasMatch(), qPrintable(f.output().right(80)));
            QCOMPARE(listWords->text(), QString("List words"));
            QVERIFY(f.find("cmdGenerateKeywordMetaTag")->isEnabled());

            f.writeFile("page.html", kShortPage);
            f.click("cmdGenerateKeywordMetaTag");
            QVERIFY(f.output().contains("compost"));
        }
    }

    // Progress shows every new word followed by a space, in lines of 250 words.
    void progressWritesTheWordsInLines() {
        WindowFixture f;
        f.startOn("<p>x</p>\n", [](const std::string&, orvanta::RunHost& host) {
            for (int n = 1; n <= 600; ++n) {
                host.wordAdded("w" + std::to_string(n), n);
            }
            orvanta::RunResult stopped;
            stopped.outcome = orvanta::RunOutcome::Stopped;
            stopped.wordsIdentified = 600;
            return stopped;
        });
        f.click("cmdListWords");
        const QStringList lines = f.output().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("w1 w2 ") && lines[0].endsWith(" w250 "));
        QVERIFY(lines[2].startsWith("w501 ") && lines[2].endsWith(" w600 "));
        QCOMPARE(lines[3], QString("Stopped with 600 words identified."));
    }

    // A long text is grouped into few paragraphs; what the box gives back is unchanged.
    void aLongTextKeepsItsLinesInFewParagraphs() {
        QStringList lines;
        for (int n = 0; n < 5000; ++n) {
            lines << QString("word%1   1   3").arg(n);
        }
        QPlainTextEdit box;
        orvanta::ui::ShowBoxText(&box, lines.join('\n'));
        QCOMPARE(box.toPlainText(), lines.join('\n'));
        QVERIFY(box.document()->blockCount() <= 5000 / 64 + 1);
    }
};

QTEST_MAIN(RunResponsivenessTest)
#include "run_responsiveness_test.moc"
