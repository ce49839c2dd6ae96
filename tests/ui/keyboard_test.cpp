// The window with the keyboard alone: Tab through every control, Enter on a button, the
// window-wide keys, and the names a screen reader gives the controls.
#include "window_fixture.h"

#include <QAccessible>
#include <QRegularExpression>
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
        for (qsizetype i = 0; i < kTabOrder.size(); ++i) {
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
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        for (const QString& name : kTabOrder.filter(QRegularExpression("^cmd"))) {
            QTest::addRow("%s, Return", qPrintable(name)) << name << int(Qt::Key_Return);
            QTest::addRow("%s, keypad Enter", qPrintable(name)) << name << int(Qt::Key_Enter);
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

    void ctrlQQuitsLikeQuitFromAnyControl() {
        WindowFixture f;
        f.start();
        f.box("txbWordsToIgnore")->setFocus();
        QTest::keyClick(f.box("txbWordsToIgnore"), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(f.endCount, 1);
        QVERIFY(QFile::exists(f.statePath));
    }

    // F1 opens help wherever the focus is. The three buttons that always answered F1 do so when
    // it is released, and only then; another button's release does nothing.
    void f1OpensHelp_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("opens");
        const auto row = [](const char* tag, const char* control, const char* action, bool opens) {
            QTest::newRow(tag) << QString(control) << QString(action) << opens;
        };
        for (const char* name : {"txbInputFile", "txbMetaTag", "cboBoldWeight", "cmdQuit"}) {
            row(name, name, "click", true);
        }
        row("Help, pressed", "cmdHelp", "press", false);
        row("Help, released", "cmdHelp", "release", true);
        row("Generate, released", "cmdGenerateKeywordMetaTag", "release", true);
        row("Show existing, released", "cmdShowExistingKeywordMetaTag", "release", true);
        row("List words, released", "cmdListWords", "release", false);
    }

    void f1OpensHelp() {
        QFETCH(QString, control);
        QFETCH(QString, action);
        QFETCH(bool, opens);
        WindowFixture f;
        f.start();
        QWidget* target = f.find(control.toLatin1().constData());
        target->setFocus();
        if (action == "click") {
            QTest::keyClick(target, Qt::Key_F1);
        } else if (action == "press") {
            QTest::keyPress(target, Qt::Key_F1);
        } else {
            QTest::keyRelease(target, Qt::Key_F1);
        }
        QWidget* help = f.find("frmHelp");
        QCOMPARE(help && help->isVisible(), opens);
    }

    // A screen reader names each control by its caption, and a text box by the label tied to it
    // (a list's name is its value; its label comes as a relation).
    void everyControlHasANameAndEveryListItsLabel() {
        WindowFixture f;
        f.start();
        QMap<QString, QAccessibleInterface*> found;
        Walk(QAccessible::queryAccessibleInterface(f.window.get()), found);
        for (const QString& name : kTabOrder) {
            QAccessibleInterface* control = found.value(name);
            QVERIFY2(control && !control->text(QAccessible::Name).isEmpty(), qPrintable(name));
            if (name.startsWith("cbo")) {
                QVERIFY2(control->relations(QAccessible::Label).size() == 1, qPrintable(name));
            }
        }
        QCOMPARE(found.value("txbWordsToIgnore")->text(QAccessible::Name),
                 QString("Ignore these words:"));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
