#pragma once

#include <QLabel>

// A label drawn as a hyperlink (blue, underlined, hand pointer) that reports clicks.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
