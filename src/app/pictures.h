#pragma once

// The pictures: the drawings and the About picture, drawn from their sources at the screen's density.

#include <QIcon>
#include <QWidget>

namespace barvoznak {

// A picture of the resources for drawing at any density: an SVG drawing, or a raster with its "@2x" twin.
QIcon pictureIcon(const QString &source);

// A picture, drawn from its source at the screen's density: an SVG as vectors, a raster from its "@2x" twin
// where the screen needs it. It is read on first paint, so the pages not shown cost nothing at start-up.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString &source, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_source;
    QIcon m_icon;
};

} // namespace barvoznak
