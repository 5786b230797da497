#pragma once

#include <QProxyStyle>

namespace barvoznak {

// The program's one look: Fusion, so places and sizes hold on every desktop, with what the design asks of
// stock widgets: a tab row of the designed height over pages with a raised border, colour buttons whose
// whole face shows their colour under a raised bevel, frames with the caption on their top edge, and option
// buttons whose whole box takes a click. What the window shows of Fusion's (the tabs and their captions, the
// code boxes' frames, the option buttons, the focus marks) it draws itself, so that no Qt release moves it.
class DesignStyle : public QProxyStyle {
    Q_OBJECT
public:
    DesignStyle();

    void polish(QWidget *widget) override;
    void unpolish(QWidget *widget) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;
    QSize sizeFromContents(
        ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
        const QWidget *widget) const override;
};

} // namespace barvoznak
