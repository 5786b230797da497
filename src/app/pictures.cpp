#include "app/pictures.h"

#include <QPainter>
#ifdef BARVOZNAK_RENDERED_DRAWINGS
#include <QDir>
#else
#include <QIconEngine>
#include <QSvgRenderer>
#endif

#include <memory>
#include <span>

namespace barvoznak {

#ifndef BARVOZNAK_RENDERED_DRAWINGS
namespace {

// Draws an SVG drawing with Qt SVG's renderer, which the program links, rather than through Qt's SVG icon
// plugin, which a package manager may leave out (Debian 13 packs it apart, and only recommends it). It
// keeps the drawing's proportions and renders it at the density it is shown at, as that plugin does.
class DrawingEngine final : public QIconEngine {
public:
    explicit DrawingEngine(const QString &source)
        : m_drawing(std::make_shared<QSvgRenderer>(source))
    {
    }

    bool isNull() override { return !m_drawing->isValid(); }
    QIconEngine *clone() const override { return new DrawingEngine(*this); }
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_drawing->defaultSize().scaled(size, Qt::KeepAspectRatio);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QSize actual = actualSize(size, mode, state);
        if (m_rendered.size() != actual && !actual.isEmpty()) {
            QImage image(actual, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            m_drawing->render(&painter);
            painter.end();
            m_rendered = QPixmap::fromImage(image);
        }
        return m_rendered;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal density = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * density, mode, state));
    }

private:
    std::shared_ptr<QSvgRenderer> m_drawing;
    QPixmap m_rendered; // the last size asked for, as a picture is painted again and again at one size
};

} // namespace
#endif

QIcon pictureIcon(const QString &source)
{
#ifndef BARVOZNAK_RENDERED_DRAWINGS
    if (source.endsWith(QLatin1String(".svg")))
        return QIcon(new DrawingEngine(source));
#else
    // Without Qt's SVG module each drawing comes as the PNGs rendered from it while the program was built, in
    // a folder of its name: one per density, or one per size for the icon.
    if (source.endsWith(QLatin1String(".svg"))) {
        QIcon icon;
        const QDir renderings(source.chopped(4));
        for (const QString &file : renderings.entryList(QDir::Files))
            icon.addFile(renderings.filePath(file));
        return icon;
    }
#endif
    return QIcon(source);
}

Picture::Picture(const QString &source, QWidget *parent)
    : QWidget(parent)
    , m_source(source)
{
}

void Picture::paintEvent(QPaintEvent *)
{
    if (m_icon.isNull())
        m_icon = pictureIcon(m_source);
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    if (!m_source.endsWith(QLatin1String(".svg")) || ink == Qt::black)
        return m_icon.paint(&painter, rect());
    // A drawing's black lines in the page's text colour, so that they show on every page colour, such as the
    // system's black one under High Contrast; the red dimensions keep their colour.
    QImage drawing = m_icon.pixmap(size(), devicePixelRatioF()).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < drawing.height(); ++y)
        for (QRgb &pixel : std::span(reinterpret_cast<QRgb *>(drawing.scanLine(y)), drawing.width()))
            if (qRed(pixel) == 0 && qGreen(pixel) == 0 && qBlue(pixel) == 0)
                pixel = qRgba(ink.red(), ink.green(), ink.blue(), qAlpha(pixel));
    painter.drawImage(rect(), drawing);
}

} // namespace barvoznak
