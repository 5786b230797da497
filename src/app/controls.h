#pragma once

// The few controls of the window that Qt has no match for: labels that react to a click or size themselves to
// their text, the colour buttons, the band shapes, and pictures drawn from their sources at the screen's
// density; and the making of a page's controls from the design table. Everything else is a stock Qt widget,
// drawn as the design asks by the DesignStyle.

#include "app/design.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <span>

namespace barvoznak {

// Lets accessibility clients see our own controls for what they are; idempotent.
void installAccessibleFactory();

// The design's font, bold or regular at its two sizes, in the face that draws it best on each platform.
using design::DesignFont;
QFont designFont(DesignFont kind);

// The design's colours (design::kColours) as a palette that sets every colour role, so that nothing of the
// desktop's colour scheme fills in.
QPalette designPalette();

// Makes the controls of the rows in their page, in the rows' order, each with its designed name, place,
// caption and look.
void buildControls(QWidget *page, std::span<const design::Control> rows);

// A label that may react to a click, optionally sizing itself to its text.
class Label : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    using QLabel::QLabel;

    // An auto-sized label keeps its designed left edge, or its centre when its text is centred.
    void setAutoSize(bool on);

    // What a click does. Only a label given one offers the press action to accessibility clients, and takes
    // the keyboard focus, so that Enter or Space does what a click does.
    void setClickHandler(std::function<void()> handler);
    bool isClickable() const { return bool(m_onClick); }
    void click() const;

    // What an accessibility client learns beyond the text: the web address the label opens as a link, and
    // the control whose entry it shows.
    QString link() const { return m_link; }
    void setLink(const QString &address) { m_link = address; }
    QWidget *controlledBy() const { return m_controlledBy; }
    void setControlledBy(QWidget *control) { m_controlledBy = control; }

public slots:
    // Hides QLabel's own, also as the text property and for calls by name, so that an auto-sized label fits
    // every text it is given.
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double-click is not a click of its own, so a link opens once.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
    int m_anchorX2 = 0; // twice the designed left edge or centre, so odd widths keep it without drift
    bool m_pressed = false;
    std::function<void()> m_onClick;
    QString m_link;
    QWidget *m_controlledBy = nullptr;
};

// A colour's paint, on the band shapes and the colour buttons' faces.
QColor paintColor(bands::ColorIndex c);

// A colour button, which gives its band its colour: its whole face shows the colour, as the DesignStyle draws
// it, under the colour's name.
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(int band, bands::ColorIndex c, QWidget *parent);

    int band() const { return m_band; }
    bands::ColorIndex color() const { return m_color; }

private:
    int m_band;
    bands::ColorIndex m_color;
};

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
