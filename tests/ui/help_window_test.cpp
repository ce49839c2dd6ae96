#include "ui/help_text.h"
#include "ui/web_links.h"
#include "ui/window_geometry.h"
#include "window_fixture.h"

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void textNamesTheManualAndKeepsItsWording() {
        const QString text = orvanta::ui::HelpText("file:///opt/orvanta/manual.html");
        QVERIFY(
            text.startsWith("An illustrated verson of this documentation can be found at "
                            "file:///opt/orvanta/manual.html.  This help window may be resized "
                            "for easier reading.\n\nThis program generates keywords meta tags."));
        QVERIFY(text.endsWith("header section of your HTML document.\n\n"));
    }

    // One help window, which comes back where and as the user left it.
    void helpOpensOneWindowThatComesBackAsLeft() {
        WindowFixture f;
        f.start();
        f.click("cmdHelp");
        QWidget* help = f.find("frmHelp");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Help screen for Orvanta"));
        auto* text = help->findChild<QPlainTextEdit*>("txbHelpScreen");
        QCOMPARE(text->toPlainText(), orvanta::ui::HelpText(orvanta::ui::ManualUrl().toString()));

        help->move(help->pos() + QPoint(30, 20));
        const QPoint movedTo = help->pos();
        QTest::mouseClick(help->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QVERIFY(!help->isVisible());
        f.click("cmdHelp");
        QVERIFY(help->isVisible());
        QCOMPARE(help->pos(), movedTo);

        help->showMinimized();
        f.click("cmdHelp");
        QVERIFY(!help->isMinimized());
        QCOMPARE(f.window->findChildren<QWidget*>("frmHelp").size(), 1);
        // Shrinking the window below its layout lays the text out at no size rather than less.
        help->resize(10, 10);
        QCOMPARE(text->size(), QSize(0, 0));

        // Escape in the text or on Close, and Enter on Close, hide it as Close does.
        for (const auto& [focus, key] : {std::pair{"txbHelpScreen", Qt::Key_Escape},
                                         {"cmdClose", Qt::Key_Escape},
                                         {"cmdClose", Qt::Key_Return}}) {
            f.click("cmdHelp");
            QApplication::setActiveWindow(help);
            QVERIFY(QTest::qWaitForWindowActive(help));
            help->findChild<QWidget*>(focus)->setFocus();
            QTest::keyClick(help->findChild<QWidget*>(focus), key);
            QVERIFY2(!help->isVisible() && f.window->isVisible(), focus);
        }
    }

    // Twips; fractions round half to even.
    void layoutFormulas() {
        const auto help = orvanta::ui::ComputeHelpWindowLayout(9050, 6200, 1215);
        QCOMPARE(QList<int>({help.textWidth, help.textHeight, help.closeLeft, help.closeTop}),
                 QList<int>({8700, 5120, 3918, 5400}));
        QCOMPARE(orvanta::ui::ComputeHelpWindowLayout(300, 1000, 1215).textHeight, 0);

        const auto normal = orvanta::ui::ComputeLargeWindowLayout(false, 11520, 6855, 3465, 645);
        QCOMPARE(QList<int>({normal.windowTop, normal.windowHeight}), QList<int>({2332, 6855}));
        QCOMPARE(orvanta::ui::CentredCopyButtonLeft(9255, 0, 855, 2430, 855), 3413);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
