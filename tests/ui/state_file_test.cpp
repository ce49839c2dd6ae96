#include "ui/state_file_format.h"
#include "ui/state_file_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using orvanta::LoadStateFile;
using orvanta::SaveStateFile;
using orvanta::Settings;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

const QByteArray kDefaultsFile = "\"\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n"
                                 "2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n";

} // namespace

class StateFileTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsAreWrittenAsTwelveCrLfLines() {
        QTemporaryDir dir;
        const QString path = dir.filePath("orv.usr");
        std::string error;
        QVERIFY(SaveStateFile(path.toStdString(), Settings{}, error));
        QCOMPARE(ReadAll(path), kDefaultsFile);
    }

    void textsWithQuotesCommasAndAccentsComeBack() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("orv.usr").toStdString();
        Settings saved;
        saved.InputFile = "/home/eva/my \"best\" page.html";
        saved.BeginMetaTagWith = "rose garden, soil care";
        saved.WordsToIgnore = "café,naïve";
        saved.MaxNumKeywordsInMetaTag = "999";
        saved.MaxNumBytesInMetaTag = "";
        saved.ShortWordSize = 8;
        saved.TableWeight = 0;
        saved.BoldWeight = 0;
        saved.IgnoreShortWords = 0;
        saved.IgnoreCommonWords = 2;
        saved.LargeWindow = 1;
        std::string error;
        QVERIFY(SaveStateFile(path, saved, error));

        Settings loaded;
        QVERIFY(LoadStateFile(path, loaded));
        QCOMPARE(loaded.InputFile, saved.InputFile);
        QCOMPARE(loaded.BeginMetaTagWith, saved.BeginMetaTagWith);
        QCOMPARE(loaded.WordsToIgnore, saved.WordsToIgnore);
        QCOMPARE(loaded.MaxNumKeywordsInMetaTag, std::string("999"));
        QCOMPARE(loaded.MaxNumBytesInMetaTag, std::string());
        QCOMPARE(loaded.ShortWordSize, 8);
        QCOMPARE(loaded.TableWeight, 0);
        QCOMPARE(loaded.BoldWeight, 0);
        QCOMPARE(loaded.IgnoreShortWords, 0);
        QCOMPARE(loaded.IgnoreCommonWords, 2);
        QCOMPARE(loaded.LargeWindow, 0); // never stored
    }

    void readingRules_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("shortWords");
        const QByteArray head = "\"a.html\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n";
        QTest::newRow("eleven lines") << head + "2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n" << false << 0;
        QTest::newRow("index past the list") << head + "9\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n"
                                             << false << 0;
        QTest::newRow("index not a number") << head + "two\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n"
                                            << false << 0;
        QTest::newRow("index a fraction") << head + "2.5\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n"
                                          << false << 0;
        QTest::newRow("no selection") << head + "-1\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n" << true << 1;
        QTest::newRow("check 1.5 rounds to 2") << head + "2\r\n1\r\n1\r\n1\r\n2\r\n1.5\r\n1\r\n"
                                               << true << 2;
        QTest::newRow("check 0.5 rounds to 0") << head + "2\r\n1\r\n1\r\n1\r\n2\r\n0.5\r\n1\r\n"
                                               << true << 0;
        QTest::newRow("check abc reads 0") << head + "2\r\n1\r\n1\r\n1\r\n2\r\nabc\r\n1\r\n"
                                           << true << 0;
        QTest::newRow("check 3 is out of range") << head + "2\r\n1\r\n1\r\n1\r\n2\r\n3\r\n1\r\n"
                                                 << false << 0;
        QTest::newRow("LF line ends, no final end")
            << QByteArray(head).replace("\r\n", "\n") + "2\n1\n1\n1\n2\n1\n1" << true << 1;
    }

    void readingRules() {
        QFETCH(QByteArray, content);
        QFETCH(bool, loads);
        QFETCH(int, shortWords);
        QTemporaryDir dir;
        const QString path = dir.filePath("orv.usr");
        WriteAll(path, content);
        Settings loaded;
        QCOMPARE(LoadStateFile(path.toStdString(), loaded), loads);
        if (loads) {
            QCOMPARE(loaded.InputFile, std::string("a.html"));
            QCOMPARE(loaded.IgnoreShortWords, shortWords);
            if (QByteArray(QTest::currentDataTag()) == "no selection") {
                QCOMPARE(loaded.ShortWordSize, -1);
            }
        }
    }

    void textLineWithoutQuotesIsTakenAsItStands() {
        QTemporaryDir dir;
        const QString path = dir.filePath("orv.usr");
        WriteAll(path, QByteArray(kDefaultsFile).replace("\"50\"", "40"));
        Settings loaded;
        QVERIFY(LoadStateFile(path.toStdString(), loaded));
        QCOMPARE(loaded.MaxNumKeywordsInMetaTag, std::string("40"));
    }

    void missingFileDoesNotLoad() {
        QTemporaryDir dir;
        Settings loaded;
        QVERIFY(!LoadStateFile(dir.filePath("orv.usr").toStdString(), loaded));
    }

    void failedSaveLeavesThePreviousFileIntact() {
        QTemporaryDir dir;
        const QString path = dir.filePath("orv.usr");
        WriteAll(path, kDefaultsFile);

        // A file size limit makes the write itself fail, whoever runs the test.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &tiny) == 0);
        Settings settings;
        settings.WordsToIgnore = std::string(200, 'w');
        std::string error;
        const bool ok = SaveStateFile(path.toStdString(), settings, error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!ok);
        QVERIFY(!error.empty());
        QCOMPARE(ReadAll(path), kDefaultsFile);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"orv.usr"});
    }

    void saveCreatesAMissingFolder() {
        QTemporaryDir dir;
        const QString path = dir.filePath("config/orvanta/orv.usr");
        std::string error;
        QVERIFY(SaveStateFile(path.toStdString(), Settings{}, error));
        QCOMPARE(ReadAll(path), kDefaultsFile);
    }

    void locationFallsBackToTheUserConfigFolder() {
        QTemporaryDir dir;
        QCOMPARE(orvanta::ui::StateFileLocation(dir.path(), "/home/u/.config"),
                 dir.filePath("orv.usr"));
        QCOMPARE(orvanta::ui::StateFileLocation(dir.filePath("no-such-folder"), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
    }
};

QTEST_GUILESS_MAIN(StateFileTest)
#include "state_file_test.moc"
