#pragma once

#include <QList>
#include <QObject>
#include <QUrl>
#include <functional>

class QWidget;

namespace orvanta::ui {

// Takes drags that carry addresses wherever on a window they arrive: on the window itself and on
// every control that would otherwise take dropped text itself, so that a dragged address is
// handed to the window instead of typed into a box.
class FileDropFilter final : public QObject {
    Q_OBJECT
public:
    // Watches window and its controls as they are now; accepting says whether a drop is
    // welcome at the moment.
    FileDropFilter(QWidget* window, std::function<bool()> accepting);

signals:
    // Sent once the drop has finished, so that a message about it does not hold up the program
    // the page was dragged from.
    void urlsDropped(const QList<QUrl>& urls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> accepting_;
};

} // namespace orvanta::ui
