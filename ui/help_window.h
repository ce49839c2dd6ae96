#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace orvanta::ui {

// The help window: created on first use, then only hidden and shown again, so it keeps where
// the user put it, its size and its scroll position.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    // Placed relative to the main window's frame and client area as they are now.
    HelpWindow(const QRect& mainFrame, const QSize& mainClient, const QString& manualAddress,
               QWidget* parent);

    // Shows the window, or brings it back to its normal state when it is minimised.
    void open();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void addKeys();
    void layOut();

    QPlainTextEdit* helpTextBox_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace orvanta::ui
