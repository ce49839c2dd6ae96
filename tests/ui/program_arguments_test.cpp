// The window program's command line: help and the version without a window, and no option it
// does not know.
#include "ui/program_arguments.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using orvanta::ui::InformationRequest;

class ProgramArgumentsTest : public QObject {
    Q_OBJECT
private slots:
    void argumentsAreReadAsOptionsUpToTwoDashes() {
        using Args = std::vector<std::string>;
        using enum InformationRequest;
        const struct {
            Args arguments;
            InformationRequest request;
            std::string unknown;
        } rows[] = {{{}, None, ""},
                    {{"page.html"}, None, ""},
                    {{"-h"}, Help, "-h"},
                    {{"page.html", "--help"}, Help, "--help"},
                    {{"-V"}, Version, "-V"},
                    {{"--version", "-h"}, Version, "--version"},
                    {{"-x", "page.html"}, None, "-x"},
                    {{"-"}, None, "-"},
                    {{"--", "-h"}, None, ""},
                    {{"page.html", "--", "--version"}, None, ""}};
        for (const auto& row : rows) {
            QCOMPARE(orvanta::ui::FindInformationRequest(row.arguments), row.request);
            QCOMPARE(orvanta::ui::FirstUnknownOption(row.arguments), row.unknown);
        }
    }

    // Help and the version come without a display; an unknown option is refused once Qt has
    // taken out its own.
    void theProgramAnswersOnStandardOutputOrRefuses() {
        const QString refused = "orvanta: unknown option '-x'\nUsage: orvanta [OPTION]... [FILE]\n"
                                "Try 'orvanta --help' for more information.\n";
        const std::tuple<QStringList, int, QString, QString> rows[] = {
            {{"--help"}, 0, QString::fromStdString(orvanta::ui::HelpText()), ""},
            {{"--version"}, 0, "orvanta 1.0\n", ""},
            {{"-platform", "offscreen", "-x"}, 64, "", refused},
        };
        for (const auto& [arguments, status, out, err] : rows) {
            QProcess program;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
                environment.remove(name);
            }
            const QTemporaryDir runtime; // private, as the desktop's is
            environment.insert("XDG_RUNTIME_DIR", runtime.path());
            program.setProcessEnvironment(environment);
            program.start(ORVANTA_APP_PATH, arguments);
            QVERIFY(program.waitForFinished(10000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), status);
            QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
            QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
        }
    }
};

QTEST_GUILESS_MAIN(ProgramArgumentsTest)
#include "program_arguments_test.moc"
