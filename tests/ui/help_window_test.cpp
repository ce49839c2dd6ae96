#include "ui/help_text.h"
#include "ui/web_links.h"
#include "window_fixture.h"

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    // One help window, naming the manual, which comes back where and as the user left it.
    void helpOpensOneWindowThatComesBackAsLeft() {
        WindowFixture f;
        f.start();
        f.click("cmdHelp");
        QWidget* help = f.find("frmHelp");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QString("Help screen for Orvanta"));
        auto* text = help->findChild<QPlainTextEdit*>("txbHelpScreen");
        const QString manual = orvanta::ui::ManualUrl().toString();
        QCOMPARE(text->toPlainText(), orvanta::ui::HelpText(manual));
        QVERIFY(text->toPlainText().contains(" found at " + manual + ".  "));

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
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
