#pragma once

#include <QWidget>

// The About window's pictures, drawn as vectors and stretched to their boxes over a transparent
// background: the product emblem or the product name.
class AboutArtwork : public QWidget {
    Q_OBJECT

public:
    enum class Picture { Emblem, ProductName };

    explicit AboutArtwork(Picture picture, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture m_picture;
};
