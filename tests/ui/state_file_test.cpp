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

bool WriteAll(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

const QByteArray kDefaultsFile = "\"\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n"
                                 "2\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n";

} // namespace

// Every test starts by writing or replacing the one settings file in the shared folder.
class StateFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const QString path = dir.filePath("orv.usr");
    const std::string file = path.toStdString();

private slots:
    void defaultsGoIntoAFolderMadeForThem() {
        const QString nested = dir.filePath("config/orvanta/orv.usr");
        Settings loaded;
        QVERIFY(!LoadStateFile(nested.toStdString(), loaded));
        std::string error;
        QVERIFY(SaveStateFile(nested.toStdString(), Settings{}, error));
        QCOMPARE(ReadAll(nested), kDefaultsFile);
    }

    void textsWithQuotesCommasAndAccentsComeBack() {
        Settings saved;
        saved.InputFile = "/home/eva/my \"best\" page.html";
        saved.BeginMetaTagWith = "rose garden, soil care";
        saved.WordsToIgnore = "café,naïve";
        saved.MaxNumBytesInMetaTag = "";
        saved.ShortWordSize = 8;
        saved.IgnoreShortWords = 0;
        saved.IgnoreCommonWords = 2;
        saved.LargeWindow = 1;
        std::string error;
        QVERIFY(SaveStateFile(file, saved, error));
        Settings loaded;
        QVERIFY(LoadStateFile(file, loaded));
        QCOMPARE(orvanta::FormatStateFile(loaded), orvanta::FormatStateFile(saved));
        QCOMPARE(loaded.LargeWindow, 0); // never stored
    }

    // The five list indexes and two check values follow a fixed head; "read" is the short word
    // size index and the short words check that were read, empty when the file is refused.
    void readingRules_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("read");
        const auto file = [](QByteArray numbers) {
            return "\"a.html\"\r\n\"\"\r\n\"\"\r\n\"50\"\r\n\"500\"\r\n" +
                   numbers.replace(' ', "\r\n") + "\r\n";
        };
        QTest::newRow("eleven lines") << file("2 1 1 1 2 1") << "";
        QTest::newRow("index past the list") << file("9 1 1 1 2 1 1") << "";
        QTest::newRow("index not a number") << file("two 1 1 1 2 1 1") << "";
        QTest::newRow("no selection") << file("-1 1 1 1 2 1 1") << "-1 1";
        QTest::newRow("check 1.5 rounds to 2") << file("2 1 1 1 2 1.5 1") << "2 2";
        QTest::newRow("check 0.5 rounds to 0") << file("2 1 1 1 2 0.5 1") << "2 0";
        QTest::newRow("check abc reads 0") << file("2 1 1 1 2 abc 1") << "2 0";
        QTest::newRow("check 3 is out of range") << file("2 1 1 1 2 3 1") << "";
        QTest::newRow("unquoted text, LF line ends, no final end")
            << QByteArray("a.html\n\"\"\n\"\"\n\"50\"\n\"500\"\n2\n1\n1\n1\n2\n1\n1") << "2 1";
    }

    void readingRules() {
        QFETCH(QByteArray, content);
        QFETCH(QString, read);
        QVERIFY(WriteAll(path, content));
        Settings loaded;
        QCOMPARE(LoadStateFile(file, loaded), !read.isEmpty());
        if (!read.isEmpty()) {
            QCOMPARE(loaded.InputFile, std::string("a.html"));
            QCOMPARE(QString("%1 %2").arg(loaded.ShortWordSize).arg(loaded.IgnoreShortWords), read);
        }
    }

    void failedSaveLeavesThePreviousFileIntact() {
        QVERIFY(WriteAll(path, kDefaultsFile));

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
        const bool ok = SaveStateFile(file, settings, error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!ok);
        QVERIFY(!error.empty());
        QCOMPARE(ReadAll(path), kDefaultsFile);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"orv.usr"});
    }

    void locationFallsBackToTheUserConfigFolder() {
        QCOMPARE(orvanta::ui::StateFileLocation(dir.path(), "/home/u/.config"),
                 dir.filePath("orv.usr"));
        QCOMPARE(orvanta::ui::StateFileLocation(dir.filePath("no-such-folder"), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
    }
};

QTEST_GUILESS_MAIN(StateFileTest)
#include "state_file_test.moc"
