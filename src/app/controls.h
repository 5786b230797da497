#pragma once

// The small controls the window is built from that Qt has no exact match for: the tab control, labels that
// can be clicked or size themselves to their text, pictures and the band shapes.

#include <QColor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QWidget>

#include <memory>

class QSvgRenderer;

namespace barvoznak {

// Lets accessibility clients see our own controls for what they are; idempotent.
void installAccessibleFactory();

enum class DesignFont { Dialog, Bold825, Bold975 };

// "MS Sans Serif" where the system has it, else an Arial-metric face, so texts keep their designed widths.
QFont designFont(DesignFont kind);

// A tab control whose pages span the whole control, so every control on a page is placed in the tab
// control's own coordinates, below the tab row that is drawn over the pages' top edge.
class SSTab : public QWidget {
    Q_OBJECT
public:
    SSTab(int tabRowHeight, QWidget *parent = nullptr);

    QWidget *addPage(const QString &caption);
    QTabBar *tabBar() const { return m_tabBar; }
    int currentIndex() const { return m_tabBar->currentIndex(); }
    void setCurrentIndex(int index) { m_tabBar->setCurrentIndex(index); }
    QWidget *page(int index) const { return m_pages->widget(index); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_tabRowHeight;
    QStackedWidget *m_pages;
    QTabBar *m_tabBar;
};

// A label that reports a click (press and release on it), optionally resizing itself to its text.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(const QString &name, QWidget *parent);

    // An auto-sized label keeps its designed left edge, or its centre when it is centred.
    void setAutoSize(bool on);
    void setCaption(const QString &text);

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
};

// A label of the design: bold or dialog font, opaque or transparent, auto-sized unless told otherwise (a
// centred one grows about its centre).
Label *makeLabel(const QString &name, const QString &caption, QRect place, DesignFont font, bool transparent,
    QWidget *parent, Qt::Alignment alignment = Qt::AlignLeft, bool autoSize = true);

// An SVG drawing of the resources as an icon.
QIcon drawingIcon(const QString &resource);

// A picture from the resources: an SVG drawn as vectors, or a raster with an "@2x" twin for high-density
// screens. It is read on first paint so the pages that are not shown cost nothing at start-up.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString &name, const QString &resource, QWidget *parent);
    ~Picture() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
#ifndef BARVOZNAK_RENDERED_DRAWINGS
    std::unique_ptr<QSvgRenderer> m_svg;
#endif
    QPixmap m_raster;
};

// One band body over the resistor drawing: a filled (rounded) rectangle whose outline has its own colour.
class BandShape : public QWidget {
    Q_OBJECT
public:
    BandShape(int band, bool rounded, QWidget *parent);

    void setColors(QColor fill, QColor outline);
    QColor fillColor() const { return m_fill; }
    QColor outlineColor() const { return m_outline; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_rounded;
    QColor m_fill;
    QColor m_outline;
};

// A push button whose whole face shows one colour, with the caption in the system's button text colour.
class ColorButton : public QPushButton {
    Q_OBJECT
public:
    ColorButton(const QString &name, const QString &caption, QColor face, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
};

// A frame whose caption stands on its top edge, so the controls inside keep their designed places.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    Frame(const QString &name, const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// An option button that answers to a click anywhere on its designed box, which is also the place it reports
// to accessibility clients.
QRadioButton *makeOption(const QString &name, const QString &caption, QRect place, QWidget *parent);

// A thin solid line in the window text colour.
class DesignLine : public QWidget {
    Q_OBJECT
public:
    DesignLine(const QString &name, QLine line, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace barvoznak
