#include "ui/file_drop_filter.h"

#include <QAbstractScrollArea>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace orvanta::ui {

FileDropFilter::FileDropFilter(QWidget* window, std::function<bool()> accepting)
    : QObject(window), accepting_(std::move(accepting)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->acceptDrops()) {
            child->installEventFilter(this);
        }
    }
    // A text area takes its drops on its viewport.
    for (QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>()) {
        area->viewport()->installEventFilter(this);
    }
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData()->hasUrls()) {
            break;
        }
        drag->setAccepted(accepting_());
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!drop->mimeData()->hasUrls()) {
            break;
        }
        drop->acceptProposedAction();
        QTimer::singleShot(0, this,
                           [this, urls = drop->mimeData()->urls()] { emit urlsDropped(urls); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvanta::ui
