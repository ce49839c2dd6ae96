#include "ui/help_window.h"

#include "ui/help_text.h"
#include "ui/twip_scale.h"
#include "ui/window_fonts.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace orvanta::ui {

namespace {

constexpr int kTextLeft = 120;
constexpr int kTextTop = 120;
constexpr int kCloseWidth = 1215;
constexpr int kCloseHeight = 315;

} // namespace

HelpWindow::HelpWindow(const QRect& mainFrame, const QSize& mainClient,
                       const QString& manualAddress, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help screen for Orvanta"));
    const TwipScale scale(logicalDpiY());

    helpTextBox_ = new QPlainTextEdit(this);
    helpTextBox_->setObjectName(QStringLiteral("txbHelpScreen"));
    helpTextBox_->setFont(CaptionFont(9.75, false));
    helpTextBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text explains the program; typing into it would only lose that.
    helpTextBox_->setReadOnly(true);
    helpTextBox_->setPlainText(HelpText(manualAddress));

    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::hide);
    addKeys();

    // Width: main window minus 400 twips; height: minus 680; both frames alike, so the client
    // areas differ by the same amounts.
    resize(std::max(0, mainClient.width() - scale.px(400)),
           std::max(0, mainClient.height() - scale.px(680)));
    move(mainFrame.topLeft() + QPoint(scale.px(200), scale.px(480)));
    layOut();
}

// Escape closes the window as Close does, Enter presses Close, and Tab moves between the text
// and Close.
void HelpWindow::addKeys() {
    auto* close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::hide);
    addAction(close);
    closeButton_->setAutoDefault(true);
    helpTextBox_->setTabChangesFocus(true);
}

void HelpWindow::open() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized()) {
        layOut();
    }
}

void HelpWindow::layOut() {
    const TwipScale scale(logicalDpiY());
    const int windowWidth = scale.twips(width()) + kFrameAllowanceWidth;
    const int windowHeight = scale.twips(height()) + kFrameAllowanceHeight;
    const HelpWindowLayout layout = ComputeHelpWindowLayout(windowWidth, windowHeight, kCloseWidth);
    helpTextBox_->setGeometry(scale.rect(kTextLeft, kTextTop, layout.textWidth, layout.textHeight));
    // The button's left edge counts from inside the left border, the window's width from outside
    // both; half the frame comes off to centre the button in what the user sees.
    closeButton_->setGeometry(scale.rect(layout.closeLeft - kFrameAllowanceWidth / 2,
                                         layout.closeTop, kCloseWidth, kCloseHeight));
}

} // namespace orvanta::ui
