// Times one run in the main window, driven without a display: the page's name goes into the
// input box and "List words" (or "Generate keywords meta tag") is clicked. Prints the processor
// time and wall time of the click (the whole run, its progress display and the output step),
// the longest gap between the firings of a 10 ms timer during the run (how long the window went
// without serving its events), and with --stop-after the time from the Stop click to the run's end.
//
// Usage: orvanta-bench-window PAGE [--tag] [--stop-after MS] [--min-frequency N]
#include "bench/stand_in_desktop.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

namespace {

double ProcessorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct BenchOptions {
    QString page;
    bool generateTag = false;
    int stopAfterMs = -1;
    int minFrequency = 0; // 0: as the fresh settings have it
};

bool ParseArguments(const QStringList& args, BenchOptions& options) {
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--tag")) {
            options.generateTag = true;
        } else if (args[i] == QLatin1String("--stop-after") && i + 1 < args.size()) {
            options.stopAfterMs = args[++i].toInt();
        } else if (args[i] == QLatin1String("--min-frequency") && i + 1 < args.size()) {
            options.minFrequency = args[++i].toInt();
        } else if (options.page.isEmpty()) {
            options.page = args[i];
        } else {
            return false;
        }
    }
    return !options.page.isEmpty();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    BenchOptions bench;
    if (!ParseArguments(QApplication::arguments(), bench)) {
        std::fprintf(stderr, "usage: orvanta-bench-window PAGE [--tag] [--stop-after MS] "
                             "[--min-frequency N]\n");
        return 64;
    }

    QTemporaryDir folder;
    StandInDialogs dialogs;
    dialogs.onMessage = [](const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    };
    orvanta::ui::MainWindowOptions options;
    options.settingsFilePath = folder.filePath(QStringLiteral("orv.usr"));
    options.dialogs = &dialogs;
    options.endProgram = [] {};
    orvanta::ui::MainWindow window(std::move(options));
    window.start();
    window.findChild<QLineEdit*>(QStringLiteral("txbInputFile"))->setText(bench.page);
    if (bench.minFrequency > 0) {
        window.findChild<QComboBox*>(QStringLiteral("cboThresholdFrequency"))
            ->setCurrentIndex(bench.minFrequency - 1);
    }
    auto* listWords = window.findChild<QPushButton*>(QStringLiteral("cmdListWords"));
    auto* button = bench.generateTag
                       ? window.findChild<QPushButton*>(QStringLiteral("cmdGenerateKeywordMetaTag"))
                       : listWords;

    QElapsedTimer wall;
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    // The same gaps in processor time: on a busy machine the wall-time gaps include the time the
    // process waited for a processor.
    double longestCpuGap = 0;
    double lastTickCpu = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        const double cpuNow = ProcessorSeconds();
        longestCpuGap = std::max(longestCpuGap, cpuNow - lastTickCpu);
        lastTickCpu = cpuNow;
    });
    QElapsedTimer sinceStop;
    if (bench.stopAfterMs >= 0) {
        QTimer::singleShot(bench.stopAfterMs, [&] {
            sinceStop.start();
            listWords->click();
        });
    }

    wall.start();
    sinceTick.start();
    ticker.start();
    const double cpuStart = ProcessorSeconds();
    lastTickCpu = cpuStart;
    button->click();
    const double cpu = ProcessorSeconds() - cpuStart;
    const qint64 wallMs = wall.elapsed();
    const qint64 stopMs = sinceStop.isValid() ? sinceStop.elapsed() : -1;
    const qint64 lastGap = sinceTick.elapsed();
    const double lastCpuGap = ProcessorSeconds() - lastTickCpu;
    ticker.stop();

    const QString output =
        window.findChild<QPlainTextEdit*>(QStringLiteral("txbMetaTag"))->toPlainText();
    std::printf("cpu %.3f wall %.3f longest-gap-ms %lld last-gap-ms %lld longest-cpu-gap-ms %.0f "
                "last-cpu-gap-ms %.0f stop-ms %lld output-chars %lld\n",
                cpu, static_cast<double>(wallMs) / 1000.0, static_cast<long long>(longestGap),
                static_cast<long long>(lastGap), longestCpuGap * 1000.0, lastCpuGap * 1000.0,
                static_cast<long long>(stopMs), static_cast<long long>(output.size()));
    std::printf("last: %s\n", qPrintable(output.right(60).simplified()));
    return 0;
}
