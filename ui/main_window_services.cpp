// The clipboard copy, the large window, the two links and the help window.

#include "ui/help_window.h"
#include "ui/link_label.h"
#include "ui/main_window.h"
#include "ui/main_window_layout.h"
#include "ui/twip_scale.h"
#include "ui/web_links.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace orvanta::ui {

void MainWindow::onCopyToClipboardClicked() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // A tag still shown as written is copied without its summary lines; anything else whole.
    const QString shown = ui_.outputBox->toPlainText();
    clipboard->setText(!shownTagText_.isEmpty() && shown == shownTagText_ ? shownTagClipboardText_
                                                                          : shown);
    setFocusToNextStep();
}

void MainWindow::onLargeWindowToggled() {
    readSettingsFromControls();
    const QScreen* screen = this->screen();
    const QRect screenArea = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const TwipScale s(logicalDpiY());
    const LargeWindowLayout layout =
        ComputeLargeWindowLayout(ui_.largeWindowCheck->isChecked(), s.twips(screenArea.height()),
                                 normalHeight_, kOutputBoxTop, kBottomStripHeight);

    setFixedHeight(s.px(layout.windowHeight - kFrameAllowanceHeight));
    move(x(), screenArea.top() + s.px(layout.windowTop));
    const QRect box = ui_.outputBox->geometry();
    ui_.outputBox->setGeometry(box.x(), box.y(), box.width(),
                               s.px(std::max(0, layout.metaTagHeight)));
    ui_.bottomStrip->move(ui_.bottomStrip->x(), s.px(layout.frameTop));
    setFocusToNextStep();
}

void MainWindow::onMakerLinkClicked() {
    OpenWebPage(*options_.dialogs, this, MakerUrl());
}

void MainWindow::onManualLinkClicked() {
    OpenWebPage(*options_.dialogs, this, ManualUrl());
}

} // namespace orvanta::ui
