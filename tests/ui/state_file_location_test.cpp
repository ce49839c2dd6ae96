#include "ui/state_file_location.h"

#include <QTemporaryDir>
#include <QTest>

class StateFileLocationTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void locationFallsBackToTheUserConfigFolder() {
        QCOMPARE(orvanta::ui::StateFileLocation(dir.path(), "/home/u/.config"),
                 dir.filePath("orv.usr"));
        QCOMPARE(orvanta::ui::StateFileLocation(dir.filePath("no-such-folder"), "/home/u/.config"),
                 QString("/home/u/.config/orvanta/orv.usr"));
    }
};

QTEST_GUILESS_MAIN(StateFileLocationTest)
#include "state_file_location_test.moc"
