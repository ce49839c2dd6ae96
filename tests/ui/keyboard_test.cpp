// The window with the keyboard alone: Tab through every control, Enter on a button, the
// window-wide keys, and the names a screen reader gives the controls.
#include "window_fixture.h"

#include <QAccessible>
#include <QSignalSpy>

namespace {

// Every control that takes the focus, in the order Tab visits them.
const QStringList kTabOrder =
    QString("txbInputFile chkIgnoreShortWords txbBeginMetaTagWith txbMaxNumKeywordsInMetaTag "
            "txbMetaTag cboShortWordSize cmdInputFile cmdGenerateKeywordMetaTag cmdClearInputFile "
            "cmdClearBeginMetaTagWith txbMaxNumBytesInMetaTag cmdListWords cboThresholdFrequency "
            "cmdReset cmdCopyToClipboard cmdQuit cmdHelp chkIgnoreCommonWords cboTableWeight "
            "cboBoldWeight chkLargeWindow cboExistingKeywordsWeight cmdShowExistingKeywordMetaTag "
            "cmdClearWordsToIgnore txbWordsToIgnore")
        .split(' ');

// Presses the key where the focus is and gives the focus's name afterwards.
QString PressAtFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // With a page named, so that leaving the input box checks a real name. A screen reader
    // names each control by its caption, and a text box by the label tied to it (a list's name
    // is its value; its label comes as a relation).
    void tabVisitsEveryNamedControlInOrderAndShiftTabGoesBack() {
        WindowFixture f;
        f.startOn("<title>Rose rose</title>");
        f.find<QPlainTextEdit>("txbMetaTag")->setPlainText("<meta>");
        f.box("txbInputFile")->setFocus();
        QStringList forward{f.focus()};
        for (const QString& name : kTabOrder) {
            QAccessibleInterface* control =
                QAccessible::queryAccessibleInterface(f.find(qPrintable(name)));
            QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(name));
            QVERIFY2(!name.startsWith("cbo") || control->relations(QAccessible::Label).size() == 1,
                     qPrintable(name));
            forward << PressAtFocus(Qt::Key_Tab);
        }
        QCOMPARE(forward, kTabOrder + QStringList{kTabOrder[0]});
        QStringList backward{f.focus()};
        for (qsizetype i = 0; i < kTabOrder.size(); ++i) {
            backward.prepend(PressAtFocus(Qt::Key_Backtab, Qt::ShiftModifier));
        }
        QCOMPARE(backward, forward);
        QCOMPARE(f.output(), QString("<meta>")); // Tab typed nothing into the output box
        QCOMPARE(f.dialogs.messages, QStringList());
        QCOMPARE(QAccessible::queryAccessibleInterface(f.box("txbWordsToIgnore"))
                     ->text(QAccessible::Name),
                 QString("Ignore these words:"));
    }

    // Return and the keypad's Enter press the focused button; Ctrl+Q quits from any control.
    void enterPressesTheFocusedButtonAndCtrlQQuits() {
        WindowFixture f;
        f.start();
        auto* button = f.find<QPushButton>("cmdReset");
        QSignalSpy clicks(button, &QPushButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.count(), 2);
        f.box("txbWordsToIgnore")->setFocus();
        QTest::keyClick(f.box("txbWordsToIgnore"), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(f.endCount, 1);
        QVERIFY(QFile::exists(f.settingsPath));
    }

    // F1 opens help wherever the focus is. The three buttons that always answered F1 do so when
    // it is released, and only then; another button's release does nothing.
    void f1OpensHelp() {
        enum Action { Click, Press, Release };
        const std::tuple<const char*, Action, bool> rows[] = {
            {"txbInputFile", Click, true},
            {"txbMetaTag", Click, true},
            {"cboBoldWeight", Click, true},
            {"cmdQuit", Click, true},
            {"cmdHelp", Press, false},
            {"cmdHelp", Release, true},
            {"cmdGenerateKeywordMetaTag", Release, true},
            {"cmdShowExistingKeywordMetaTag", Release, true},
            {"cmdListWords", Release, false}};
        for (const auto& [control, action, opens] : rows) {
            WindowFixture f;
            f.start();
            QWidget* target = f.find(control);
            target->setFocus();
            if (action == Click) {
                QTest::keyClick(target, Qt::Key_F1);
            } else if (action == Press) {
                QTest::keyPress(target, Qt::Key_F1);
            } else {
                QTest::keyRelease(target, Qt::Key_F1);
            }
            QWidget* help = f.find("frmHelp");
            QVERIFY2((help && help->isVisible()) == opens, control);
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
