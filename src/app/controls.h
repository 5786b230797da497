#pragma once

// The few controls of the window that Qt has no match for: labels that react to a click or size themselves to
// their text, the colour buttons and the band shapes. Everything else is a stock Qt widget, drawn as the
// design asks by the DesignStyle.

#include "rules/colorcode.h"

#include <QLabel>
#include <QPushButton>

#include <functional>

namespace barvoznak {

// A label that may react to a click, optionally sizing itself to its text.
class Label : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // What the label shows. An auto-sized label fits its box to it, which QLabel::setText does not do.
    void setCaption(const QString &text);

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
