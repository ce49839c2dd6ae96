#pragma once

#include "ui/user_dialogs.h"

#include <QString>
#include <QUrl>
#include <vector>

// Stands in for the user: records every message box, answers the open dialog with a prepared
// name, and lets the browser succeed or fail on demand. Nothing ever blocks.
class FakeDialogs final : public orvanta::ui::UserDialogs {
public:
    struct Message {
        QString text;
        QString title;
        orvanta::ui::MessageIcon icon;
    };

    void showMessage(QWidget*, const QString& text, const QString& title,
                     orvanta::ui::MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    QString askOpenFileName(QWidget*, const QString& title, const QString& filter) override {
        openTitle = title;
        openFilter = filter;
        ++openCount;
        return nextOpenFileName;
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return browserWorks;
    }

    std::vector<Message> messages;
    QString nextOpenFileName;
    QString openTitle;
    QString openFilter;
    int openCount = 0;
    bool browserWorks = true;
    std::vector<QUrl> openedUrls;
};
