#pragma once

#include "fake_dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

// One main window on a private folder: its settings file, its documents, a fake user.
struct WindowFixture {
    using Run = std::function<orvanta::RunResult(const std::string&, orvanta::RunHost&)>;

    QTemporaryDir folder;
    QString statePath = folder.filePath(QStringLiteral("orv.usr"));
    FakeDialogs dialogs;
    int endCount = 0;
    std::unique_ptr<orvanta::ui::MainWindow> window;

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(content);
        }
        return path;
    }

    void start(Run run = {}) {
        orvanta::ui::MainWindowOptions options;
        options.stateFilePath = statePath;
        options.dialogs = &dialogs;
        options.endProgram = [this] { ++endCount; };
        if (run) {
            options.runAnalysis = std::move(run);
        }
        window = std::make_unique<orvanta::ui::MainWindow>(std::move(options));
        window->start();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Starts on a page of this content, its name already in the input box.
    void startOn(const QByteArray& page, Run run = {}) {
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
