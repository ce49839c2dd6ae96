// The clipboard copy, the large window, the two links and the help window.

#include "ui/clipboard_text.h"
#include "ui/help_window.h"
#include "ui/link_label.h"
#include "ui/main_window.h"
#include "ui/twip_scale.h"
#include "ui/web_links.h"
#include "ui/window_geometry.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace orvanta::ui {

namespace {

constexpr int kMetaTagTop = 3465;
constexpr int kFrameHeight = 645;

} // namespace

void MainWindow::cmdCopyToClipboard_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(ClipboardText(txbMetaTag_->toPlainText()));
    setFocusToNextStep();
}

void MainWindow::chkLargeWindow_Click() {
    readSettingsFromControls();
    const QScreen* screen = this->screen();
    const QRect screenArea = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const TwipScale s(logicalDpiY());
    const LargeWindowLayout layout =
        ComputeLargeWindowLayout(chkLargeWindow_->isChecked(), s.twips(screenArea.height()),
                                 normalHeight_, kMetaTagTop, kFrameHeight);

    setFixedHeight(s.px(layout.windowHeight - kFrameAllowanceHeight));
    move(x(), screenArea.top() + s.px(layout.windowTop));
    const QRect box = txbMetaTag_->geometry();
    txbMetaTag_->setGeometry(box.x(), box.y(), box.width(),
                             s.px(std::max(0, layout.metaTagHeight)));
    Frame1_->move(Frame1_->x(), s.px(layout.frameTop));
    setFocusToNextStep();
}

void MainWindow::lblVostrelSystems_Click() {
    OpenWebPage(*options_.dialogs, this, MakerUrl());
}

void MainWindow::lblOnlineDocumentation_Click() {
    OpenWebPage(*options_.dialogs, this, ManualUrl());
}

} // namespace orvanta::ui
