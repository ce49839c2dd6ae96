// The window among other programs: its colours under any palette, and its window-wide keys.
#include "window_fixture.h"

#include <QLabel>
#include <QPalette>

namespace {

// The colours of a dark desktop.
QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    return dark;
}

} // namespace

class DesktopMannersTest : public QObject {
    Q_OBJECT
private slots:
    // Labels and check boxes are drawn on the form's green in dark text; the boxes, lists and
    // buttons keep the desktop's own pairs of colours.
    void formTextStaysDarkOnTheGreenUnderADarkPalette() {
        const QPalette before = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        WindowFixture f;
        f.start();
        const QColor green(192, 255, 192);
        QCOMPARE(f.window->palette().color(QPalette::Window), green);
        for (const char* name : {"lblIgnoreTheseWords", "lblMaxNumBytes", "chkIgnoreCommonWords",
                                 "chkLargeWindow", "lblNotice"}) {
            // Drawn on the form's own background, in the form's text colour.
            const QWidget* widget = f.find(name);
            QVERIFY2(!widget->autoFillBackground(), name);
            QCOMPARE(widget->palette().color(widget->foregroundRole()), QColor(Qt::black));
        }
        const QPalette box = f.box("txbInputFile")->palette();
        QCOMPARE(box.color(QPalette::Base), QColor(30, 30, 30));
        QCOMPARE(box.color(QPalette::Text), QColor(230, 230, 230));
        QCOMPARE(f.find("cmdQuit")->palette().color(QPalette::ButtonText), QColor(230, 230, 230));
        QApplication::setPalette(before);
    }

    void ctrlQQuitsLikeQuitFromAnyControl() {
        WindowFixture f;
        f.start();
        f.box("txbWordsToIgnore")->setFocus();
        QTest::keyClick(f.box("txbWordsToIgnore"), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(f.endCount, 1);
        QVERIFY(QFile::exists(f.statePath));
    }

    void f1OpensHelpFromAnyControl() {
        for (const char* name : {"txbInputFile", "txbMetaTag", "cboBoldWeight", "cmdQuit"}) {
            WindowFixture f;
            f.start();
            f.find(name)->setFocus();
            QTest::keyClick(f.find(name), Qt::Key_F1);
            QWidget* help = f.find("frmHelp");
            QVERIFY2(help && help->isVisible(), name);
        }
    }

    // The three buttons that always answered F1 still do so when it is released, and only once.
    void f1OnTheHelpButtonsStillActsOnRelease() {
        WindowFixture f;
        f.start();
        f.find("cmdHelp")->setFocus();
        QTest::keyPress(f.find("cmdHelp"), Qt::Key_F1);
        QVERIFY(!f.find("frmHelp"));
        QTest::keyRelease(f.find("cmdHelp"), Qt::Key_F1);
        QVERIFY(f.find("frmHelp") && f.find("frmHelp")->isVisible());
    }
};

QTEST_MAIN(DesktopMannersTest)
#include "desktop_manners_test.moc"
