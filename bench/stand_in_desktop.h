#pragma once

// What a program that drives the window with nobody at the desktop puts in the user's place:
// the window benchmark, the program that takes the manual's pictures, and the window's tests.

#include "core/messages.h"
#include "ui/user_dialogs.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <vector>

// Records every message box, cancels the open dialog (noting where it would have started and
// what it would have offered), and lets the browser succeed or fail on demand. Nothing blocks.
class StandInDialogs final : public orvanta::ui::UserDialogs {
public:
    // A message box as recorded: "text | title", with " | warning" when it bears the warning icon.
    static QString Entry(const QString& text, const QString& title, orvanta::ui::MessageIcon icon) {
        const bool warning = icon == orvanta::ui::MessageIcon::Warning;
        return text + " | " + title + (warning ? " | warning" : "");
    }
    static QString Entry(const orvanta::core::Message& message) {
        return Entry(QString::fromStdString(message.text), QString::fromStdString(message.title),
                     message.icon);
    }

    void showMessage(QWidget*, const QString& text, const QString& title,
                     orvanta::ui::MessageIcon icon) override {
        messages << Entry(text, title, icon);
        if (onMessage) {
            onMessage(text);
        }
    }
    QString askOpenFileName(QWidget*, const QString&, const QString& folder,
                            const QStringList& filters) override {
        dialogFolder = folder;
        dialogFilters = filters;
        return {};
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return browserWorks;
    }

    QStringList messages;
    std::function<void(const QString& text)> onMessage; // told of each message as it comes
    bool browserWorks = true;
    // What the last open dialog was asked to show.
    QString dialogFolder;
    QStringList dialogFilters;
    std::vector<QUrl> openedUrls;
};

// The colours a dark desktop theme gives the program.
inline QPalette DarkDesktopPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(225, 225, 225);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return dark;
}
