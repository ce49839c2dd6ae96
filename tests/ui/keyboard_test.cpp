// The window with the keyboard alone: Tab through every control, Enter on a button, Escape in the
// help window, and the names a screen reader gives the controls.
#include "window_fixture.h"

#include <QAccessible>
#include <QSignalSpy>

namespace {

// Every control that takes the focus, in the order Tab visits them.
const char* const kTabOrder[] = {
    "txbInputFile",
    "chkIgnoreShortWords",
    "txbBeginMetaTagWith",
    "txbMaxNumKeywordsInMetaTag",
    "txbMetaTag",
    "cboShortWordSize",
    "cmdInputFile",
    "cmdGenerateKeywordMetaTag",
    "cmdClearInputFile",
    "cmdClearBeginMetaTagWith",
    "txbMaxNumBytesInMetaTag",
    "cmdListWords",
    "cboThresholdFrequency",
    "cmdReset",
    "cmdCopyToClipboard",
    "cmdQuit",
    "cmdHelp",
    "chkIgnoreCommonWords",
    "cboTableWeight",
    "cboBoldWeight",
    "chkLargeWindow",
    "cboExistingKeywordsWeight",
    "cmdShowExistingKeywordMetaTag",
    "cmdClearWordsToIgnore",
    "txbWordsToIgnore",
};

// Presses the key where the focus is and gives the focus's name afterwards.
QString PressAtFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Every accessible object below node, by its widget's object name.
void Walk(QAccessibleInterface* node, QMap<QString, QAccessibleInterface*>& found) {
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* child = node->child(i)) {
            found.insert(child->object() ? child->object()->objectName() : QString(), child);
            Walk(child, found);
        }
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    // With a page named, so that leaving the input box checks a real name.
    void tabVisitsEveryControlInOrderAndShiftTabGoesBack() {
        WindowFixture f;
        f.startOn("<title>Rose rose</title>");
        f.find<QPlainTextEdit>("txbMetaTag")->setPlainText("<meta>");
        f.box("txbInputFile")->setFocus();
        QStringList forward{f.focus()};
        for (std::size_t i = 0; i < std::size(kTabOrder); ++i) {
            forward << PressAtFocus(Qt::Key_Tab);
        }
        QStringList expected;
        for (const char* name : kTabOrder) {
            expected << name;
        }
        QCOMPARE(forward, expected + QStringList{kTabOrder[0]});
        QStringList backward{f.focus()};
        for (std::size_t i = 0; i < std::size(kTabOrder); ++i) {
            backward.prepend(PressAtFocus(Qt::Key_Backtab, Qt::ShiftModifier));
        }
        QCOMPARE(backward, forward);
        QCOMPARE(f.output(), QString("<meta>")); // Tab typed nothing into the output box
        QCOMPARE(f.dialogs.messages, QStringList());
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        for (const char* name : kTabOrder) {
            if (QByteArray(name).startsWith("cmd")) {
                QTest::addRow("%s, Return", name) << QString(name) << int(Qt::Key_Return);
                QTest::addRow("%s, keypad Enter", name) << QString(name) << int(Qt::Key_Enter);
            }
        }
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        WindowFixture f;
        f.start();
        auto* target = f.find<QPushButton>(button.toLatin1().constData());
        QSignalSpy clicks(target, &QPushButton::clicked);
        target->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void escapeOrEnterOnCloseHidesTheHelpWindow_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::newRow("Escape in the text") << "txbHelpScreen" << int(Qt::Key_Escape);
        QTest::newRow("Escape on Close") << "cmdClose" << int(Qt::Key_Escape);
        QTest::newRow("Enter on Close") << "cmdClose" << int(Qt::Key_Return);
    }

    void escapeOrEnterOnCloseHidesTheHelpWindow() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        WindowFixture f;
        f.start();
        f.click("cmdHelp");
        QWidget* help = f.find("frmHelp");
        QVERIFY(help && help->isVisible());
        QApplication::setActiveWindow(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QWidget* target = help->findChild<QWidget*>(focus);
        target->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(key));
        QVERIFY(!help->isVisible());
        QVERIFY(f.window->isVisible());
    }

    // A screen reader names each control by its caption, and a text box by the label tied to it
    // (a list's name is its value; its label comes as a relation).
    void everyControlHasANameAndEveryListItsLabel() {
        WindowFixture f;
        f.start();
        QMap<QString, QAccessibleInterface*> found;
        Walk(QAccessible::queryAccessibleInterface(f.window.get()), found);
        for (const char* name : kTabOrder) {
            QAccessibleInterface* control = found.value(name);
            QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), name);
            if (QByteArray(name).startsWith("cbo")) {
                const auto labels = control->relations(QAccessible::Label);
                QVERIFY2(labels.size() == 1, name);
            }
        }
        QCOMPARE(found.value("txbWordsToIgnore")->text(QAccessible::Name),
                 QString("Ignore these words:"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
