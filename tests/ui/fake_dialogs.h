#pragma once

#include "ui/user_dialogs.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <vector>

// Stands in for the user: records every message box, cancels the open dialog (noting where it
// would have started and what it would have offered), and lets the
// browser succeed or fail on demand. Nothing ever blocks.
class FakeDialogs final : public orvanta::ui::UserDialogs {
public:
    void showMessage(QWidget*, const QString& text, const QString& title,
                     orvanta::ui::MessageIcon icon) override {
        const bool warning = icon == orvanta::ui::MessageIcon::Warning;
        messages << text + " | " + title + (warning ? " | warning" : "");
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

    // Each box as "text | title", with " | warning" when it bears the warning icon.
    QStringList messages;
    bool browserWorks = true;
    // What the last open dialog was asked to show.
    QString dialogFolder;
    QStringList dialogFilters;
    std::vector<QUrl> openedUrls;
};
