#pragma once

#include "fake_dialogs.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

// One main window on a private folder: its settings file, its documents, a fake user.
struct WindowFixture {
    QTemporaryDir folder;
    FakeDialogs dialogs;
    int endCount = 0;
    std::unique_ptr<orvanta::ui::MainWindow> window;

    QString statePath() const { return folder.filePath(QStringLiteral("orv.usr")); }

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(content);
        }
        return path;
    }

    void start(std::function<orvanta::RunResult(const std::string&, orvanta::RunHost&)> run = {}) {
        orvanta::ui::MainWindowOptions options;
        options.stateFilePath = statePath();
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

    template <typename T> T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
};
