#pragma once

// The few controls of the window that Qt has no match for: labels that report a click or size themselves to
// their text, the band shapes, and pictures drawn from their sources at the screen's density. Everything else
// is a stock Qt widget, drawn as the design asks by the DesignStyle.

#include "app/design.h"

#include <QIcon>
#include <QLabel>
#include <QMetaMethod>
#include <QWidget>

namespace barvoznak {

// Lets accessibility clients see our own controls for what they are; idempotent.
void installAccessibleFactory();

enum class DesignFont { Dialog, Bold825, Bold975 };

// The design's font, bold or regular at its two sizes, in the face that draws it best on each platform.
QFont designFont(DesignFont kind);

// Where a control of the design lies in its container: a page of the tab control or a frame.
QRect placeIn(const QWidget *container, const design::Control &control);

// A control of the design made in its container, with its designed name and place; `args` go to its
// constructor before the parent.
template <typename Widget, typename... Args>
Widget *makeControl(QWidget *container, const design::Control &control, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., container);
    widget->setObjectName(QLatin1String(control.name));
    widget->setGeometry(placeIn(container, control));
    return widget;
}

// A label that reports a click (press and release on it), optionally resizing itself to its text.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // An auto-sized label keeps its designed left edge, or its centre when it is centred.
    void setAutoSize(bool on);
    void setCaption(const QString &text);

    // What an accessibility client learns beyond the text: whether a click does something (then it offers
    // the press action), the web address the label opens as a link, and the control whose entry it shows.
    bool isClickable() const { return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked)); }
    QString link() const { return m_link; }
    void setLink(const QString &address) { m_link = address; }
    QWidget *controlledBy() const { return m_controlledBy; }
    void setControlledBy(QWidget *control) { m_controlledBy = control; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double-click is not a click of its own, so a link opens once.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
    int m_anchorX2 = 0; // twice the designed left edge or centre, so odd widths keep it without drift
    bool m_pressed = false;
    QString m_link;
    QWidget *m_controlledBy = nullptr;
};

// How a label of the design looks; the design's labels are mostly bold, transparent and auto-sized.
struct LabelLook {
    DesignFont font = DesignFont::Bold975;
    bool transparent = true;
    bool centred = false; // a centred auto-sized label grows about its centre
    bool autoSize = true;
    bool white = false; // over the About picture
};

Label *makeLabel(QWidget *container, const design::Control &control, const QString &caption, LabelLook look = {});

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

// One band body over the resistor drawing: a filled (rounded) rectangle whose outline has its own colour.
class BandShape : public QWidget {
    Q_OBJECT
public:
    BandShape(bool rounded, QWidget *parent);

    void setColors(QColor fill, QColor outline);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_rounded;
    QColor m_fill;
    QColor m_outline;
};

} // namespace barvoznak
