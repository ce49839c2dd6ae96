#pragma once

#include "core/messages.h"

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace orvanta::ui {

using MessageIcon = core::MessageIcon;

// Every modal conversation with the user and every hand-off to the desktop goes through here, so
// that the window can be driven without anyone at the keyboard.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A box with an OK button.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& title,
                             MessageIcon icon) = 0;

    // An open-file dialog that starts in folder (the dialog's own choice when empty) and offers
    // the filters in order, each of the form "Description | *.a;*.b". Returns the chosen path, or
    // an empty text when the user cancels.
    virtual QString askOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QStringList& filters) = 0;

    // Opens the address with the desktop's default handler; false when that could not be started.
    virtual bool openUrl(const QUrl& url) = 0;
};

class QtUserDialogs final : public UserDialogs {
public:
    void showMessage(QWidget* parent, const QString& text, const QString& title,
                     MessageIcon icon) override;
    QString askOpenFileName(QWidget* parent, const QString& title, const QString& folder,
                            const QStringList& filters) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace orvanta::ui
