#pragma once

#include <QLabel>

namespace orvanta::ui {

// A caption that acts as a link: blue, underlined, with a hand cursor, and clickable.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace orvanta::ui
