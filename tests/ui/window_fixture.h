#pragma once

#include "bench/stand_in_desktop.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui/program_start.h"
#include "ui/single_instance_lock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// One main window on a private folder: its settings file, its documents, a stand-in user.
struct WindowFixture {
    QTemporaryDir folder;
    QString settingsPath = folder.filePath(QStringLiteral("orv.usr"));
    StandInDialogs dialogs;
    int endCount = 0;
    std::unique_ptr<orvanta::ui::MainWindow> window;

    QString writeFile(const QString& name, const QByteArray& content) {
        orvanta::testing::WriteFile(folder.filePath(name).toStdString(), content.toStdString());
        return folder.filePath(name);
    }
    QByteArray readFile(const QString& path) const {
        return QByteArray::fromStdString(orvanta::testing::ReadFile(path.toStdString()));
    }

    // The options start() gives the window; run replaces the analysis when given.
    orvanta::ui::MainWindowOptions windowOptions(orvanta::ui::AnalysisFunction run = {}) {
        orvanta::ui::MainWindowOptions options;
        options.settingsFilePath = settingsPath;
        options.dialogs = &dialogs;
        options.endProgram = [this] { ++endCount; };
        if (run) {
            options.runAnalysis = std::move(run);
        }
        return options;
    }

    void start(orvanta::ui::AnalysisFunction run = {}) {
        window = std::make_unique<orvanta::ui::MainWindow>(windowOptions(std::move(run)));
        window->start();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Starts as the program does, holding the single-instance lock and listening on the
    // channel (a private one unless named); false when another copy holds the lock.
    bool startProgram(orvanta::ui::SingleInstanceLock& lock, QString channel = {}) {
        channel = channel.isEmpty() ? folder.filePath(QStringLiteral("open.socket")) : channel;
        window = orvanta::ui::StartProgram(lock, windowOptions(), {QString(), channel}).window;
        return window != nullptr;
    }

    // Starts on a page of this content, its name already in the input box.
    void startOn(const QByteArray& page, orvanta::ui::AnalysisFunction run = {}) {
        const QString path = writeFile(QStringLiteral("page.html"), page);
        start(std::move(run));
        box("txbInputFile")->setText(path);
    }

    template <typename T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    void click(const char* name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    QString output() const { return find<QPlainTextEdit>("txbMetaTag")->toPlainText(); }
    QString focus() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Every option as the controls show it, in one line that a test can compare whole.
    QString options() const {
        QStringList parts;
        for (const char* name : {"txbInputFile", "txbWordsToIgnore", "txbBeginMetaTagWith",
                                 "txbMaxNumKeywordsInMetaTag", "txbMaxNumBytesInMetaTag"}) {
            parts << box(name)->text();
        }
        for (const char* name : {"cboShortWordSize", "cboThresholdFrequency", "cboTableWeight",
                                 "cboExistingKeywordsWeight", "cboBoldWeight"}) {
            parts << find<QComboBox>(name)->currentText();
        }
        for (const char* name : {"chkIgnoreShortWords", "chkIgnoreCommonWords"}) {
            const Qt::CheckState state = find<QCheckBox>(name)->checkState();
            parts << (state == Qt::Checked ? "on" : state == Qt::Unchecked ? "off" : "part");
        }
        return parts.join(QLatin1Char('|'));
    }
};
