#include "ui/help_text.h"
#include "ui/web_links.h"
#include "ui/window_geometry.h"
#include "window_fixture.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QWidget* Help(const WindowFixture& f) {
    return f.window->findChild<QWidget*>("frmHelp");
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void textNamesTheManualAndKeepsItsWording() {
        const QString text = orvanta::ui::HelpText("file:///opt/orvanta/manual.html");
        QVERIFY(
            text.startsWith("An illustrated verson of this documentation can be found at "
                            "file:///opt/orvanta/manual.html.  This help window may be resized "
                            "for easier reading.\n\nThis program generates keywords meta tags."));
        QVERIFY(
            text.contains("importance to words which occur:\n\n(a) in the title, "
                          "<TITLE>...</TITLE>\n(b) in the description, <META NAME=\"description\" "
                          "CONTENT=\"...\">\n(c) among existing keywords, <META NAME=\"keywords\" "
                          "CONTENT=\"...\">\n(d)"));
        QVERIFY(text.contains("(f) in boldface, <B>...</B>\n\nYou can control"));
        QVERIFY(text.contains("either:\n(i)click on 'List words'"));
        QVERIFY(text.endsWith("header section of your HTML document.\n\n"));
    }

    void opensOnceAndComesBackAsLeft() {
        WindowFixture f;
        f.start();
        auto* helpButton = f.find<QPushButton>("cmdHelp");
        QTest::mouseClick(helpButton, Qt::LeftButton);
        QWidget* help = Help(f);
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Help screen for Orvanta"));
        auto* text = help->findChild<QPlainTextEdit*>("txbHelpScreen");
        QCOMPARE(text->toPlainText(), orvanta::ui::HelpText(orvanta::ui::ManualUrl().toString()));

        QTest::mouseClick(helpButton, Qt::LeftButton);
        QCOMPARE(f.window->findChildren<QWidget*>("frmHelp").size(), 1);

        help->move(help->pos() + QPoint(30, 20));
        const QPoint movedTo = help->pos();
        const QString shownText = text->toPlainText();
        QTest::mouseClick(help->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QVERIFY(!help->isVisible());
        QTest::mouseClick(helpButton, Qt::LeftButton);
        QVERIFY(help->isVisible());
        QCOMPARE(help->pos(), movedTo);
        QCOMPARE(text->toPlainText(), shownText);

        help->showMinimized();
        QTest::mouseClick(helpButton, Qt::LeftButton);
        QVERIFY(!help->isMinimized());
        QCOMPARE(f.window->findChildren<QWidget*>("frmHelp").size(), 1);
    }

    void closeStaysCentredAndSizesStopAtZero() {
        WindowFixture f;
        f.start();
        QTest::mouseClick(f.find<QPushButton>("cmdHelp"), Qt::LeftButton);
        QWidget* help = Help(f);
        auto* close = help->findChild<QPushButton*>("cmdClose");
        auto* text = help->findChild<QPlainTextEdit*>("txbHelpScreen");

        help->resize(help->width() + 200, help->height());
        QVERIFY(qAbs(close->geometry().center().x() - help->width() / 2) <= 1);
        const int rightMargin = help->width() - (text->x() + text->width());
        QVERIFY(qAbs(rightMargin - qRound(110 * help->logicalDpiX() / 1440.0)) <= 1);

        help->resize(10, 10);
        QCOMPARE(text->width(), 0);
        QCOMPARE(text->height(), 0);
    }

    void layoutFormulas() {
        const auto layout = orvanta::ui::ComputeHelpWindowLayout(9050, 6200, 1215);
        QCOMPARE(layout.textWidth, 8700);
        QCOMPARE(layout.textHeight, 5120);
        QCOMPARE(layout.closeTop, 5400);
        QCOMPARE(layout.closeLeft, 3918); // 3917.5, half to even
        QCOMPARE(orvanta::ui::ComputeHelpWindowLayout(300, 1000, 1215).textWidth, 0);
        QCOMPARE(orvanta::ui::ComputeHelpWindowLayout(300, 1000, 1215).textHeight, 0);
    }

    void windowFormulas() {
        const auto large = orvanta::ui::ComputeLargeWindowLayout(true, 11520, 6855, 3465, 645);
        QCOMPARE(large.windowTop, 300);
        QCOMPARE(large.windowHeight, 10368);
        QCOMPARE(large.metaTagHeight, 5708);
        QCOMPARE(large.frameTop, 9273);
        const auto normal = orvanta::ui::ComputeLargeWindowLayout(false, 11520, 6855, 3465, 645);
        QCOMPARE(normal.windowHeight, 6855);
        QCOMPARE(normal.windowTop, 2332); // 2332.5, half to even
        QCOMPARE(orvanta::ui::CentredCopyButtonLeft(9255, 0, 855, 2430, 855), 3413);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
