#include "app/designstyle.h"

#include "app/colours.h"
#include "app/controls.h"
#include "app/design.h"

#include <QFocusEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace barvoznak {

namespace {

const int kTabRow = design::px(design::kTabRowHeight);
// The option buttons' round indicator, which fits their designed 13-pixel height.
const int kIndicator = 12;

// A classic raised edge: light on the top and left, a shadow and a dark line inside it on the bottom and right.
void drawRaisedBevel(QPainter *painter, QRect r, const QPalette &palette)
{
    painter->setPen(palette.color(QPalette::Light));
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->setPen(palette.color(QPalette::Shadow));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
    painter->setPen(palette.color(QPalette::Dark));
    painter->drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    painter->drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

// The classic dotted focus mark, its dots alternately black and white, so that it shows on every face colour
// of the colour buttons and on the About picture alike; `inset` pixels inside the control's edge. Only once the
// keyboard has moved the focus: a click leaves none.
void drawFocusMark(QPainter *painter, const QStyleOption *option, int inset = 0)
{
    if (!(option->state & QStyle::State_KeyboardFocusChange))
        return;
    const QRect r = option->rect.adjusted(inset, inset, -inset, -inset);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Qt::black, 0));
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    QPen dots(Qt::white, 0, Qt::CustomDashLine);
    dots.setDashPattern({ 1, 1 });
    painter->setPen(dots);
    painter->drawRect(r.adjusted(0, 0, -1, -1));
    painter->restore();
}

// A code box's frame: a rounded outline a shade darker than the page, with a faint shadow under its top edge;
// once the keyboard has brought the focus there, the outline in the focus colour with a soft line inside it.
void drawCodeBoxFrame(QPainter *painter, const QStyleOption *option)
{
    const bool marked
        = option->state & QStyle::State_HasFocus && option->state & QStyle::State_KeyboardFocusChange;
    QColor focus = option->palette.color(QPalette::Highlight).darker(125);
    if (focus.value() > 160)
        focus.setHsl(focus.hue(), focus.saturation(), 160);
    const QRect r = option->rect;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(0.5, 0.5);
    painter->setPen(marked ? focus : option->palette.color(QPalette::Window).darker(140));
    painter->drawRoundedRect(r.adjusted(0, 0, -1, -1), 2, 2);
    if (marked) {
        focus.setAlpha(40);
        painter->setPen(focus);
        painter->drawRoundedRect(r.adjusted(1, 1, -2, -2), 1.7, 1.7);
    }
    painter->setPen(QColor(0, 0, 0, 18));
    painter->drawLine(QPoint(r.left() + 2, r.top() + 1), QPoint(r.right() - 2, r.top() + 1));
    painter->restore();
}

// An option button's round indicator: a white circle with a grey outline, a little greyed while pressed, and a
// dark dot in it when chosen.
void drawOptionIndicator(QPainter *painter, const QStyleOption *option)
{
    const QColor base = option->palette.color(QPalette::Base), text = option->palette.color(QPalette::WindowText);
    const auto mixed = [](int b, int t) { return (b * 85 + t * 15) / 100; };
    const QColor pressed(
        mixed(base.red(), text.red()), mixed(base.green(), text.green()), mixed(base.blue(), text.blue()));
    const QPointF centre = option->rect.center() + QPoint(1, 1);
    const qreal radius = (option->rect.width() + (option->rect.width() + 1) % 2) / 2.0 - 1;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(option->state & QStyle::State_Sunken ? pressed : base);
    painter->setPen(option->palette.color(QPalette::Window).darker(150));
    painter->drawEllipse(centre, radius, radius);
    if (option->state & QStyle::State_On) {
        QColor dot = option->palette.color(QPalette::Text).darker(120);
        dot.setAlpha(200);
        painter->setPen(dot);
        dot.setAlpha(180);
        painter->setBrush(dot);
        painter->drawEllipse(centre, radius / 2.32, radius / 2.32);
    }
    painter->restore();
}

// A tab: rounded at the top, in the page's face with a lighter top when selected, a shade darker and two pixels
// lower when not; its outline a shade darker than the page, with a faint light line inside. Tabs overlap by a
// pixel; a selected tab opens into the page below it.
void drawTab(QPainter *painter, const QStyleOptionTab *tab)
{
    const bool selected = tab->state & QStyle::State_Selected;
    const bool last = tab->position == QStyleOptionTab::End || tab->position == QStyleOptionTab::OnlyOneTab;
    const QRect r = tab->rect.adjusted(0, 0, last ? 0 : 1, 0);
    const QColor face = tab->palette.color(QPalette::Window), outline = face.darker(140), inner(255, 255, 255, 30);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, selected ? face.lighter(104) : face.darker(108));
    if (!selected)
        fill.setColorAt(0.85, face.darker(108));
    fill.setColorAt(1, selected ? face : face.darker(116));
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(0.5, 0.5);
    const QRect body = r.adjusted(0, selected ? 0 : 2, 0, 3);
    painter->save();
    painter->setClipRect(r.adjusted(-1, -1, 1, selected ? -2 : -3));
    painter->setPen(selected ? outline : outline.lighter(110));
    painter->setBrush(fill);
    painter->drawRoundedRect(body.adjusted(0, 0, -1, -1), 2, 2);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(inner);
    painter->drawRoundedRect(body.adjusted(1, 1, -2, -1), 2, 2);
    painter->restore();
    if (selected) {
        painter->fillRect(r.left() + 1, r.bottom() - 1, r.width() - 2, 2, face);
        for (const QPoint corner :
            { r.bottomRight() + QPoint(-2, -1), r.bottomLeft() + QPoint(0, -1), r.bottomRight() + QPoint(-1, -1) })
            painter->fillRect(QRect(corner, QSize(1, 1)), inner);
    }
    painter->restore();
}

} // namespace

DesignStyle::DesignStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void DesignStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    widget->installEventFilter(this);
}

void DesignStyle::unpolish(QWidget *widget)
{
    widget->removeEventFilter(this);
    QProxyStyle::unpolish(widget);
}

bool DesignStyle::eventFilter(QObject *watched, QEvent *event)
{
    // Focus marks show only once the keyboard has moved the focus, as in Windows: Qt notes that for the Tab
    // key; the arrow keys, which move it between buttons and options with the same reasons, count too.
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            static_cast<QWidget *>(watched)->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    }
    return QProxyStyle::eventFilter(watched, event);
}

int DesignStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return kIndicator;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize DesignStyle::sizeFromContents(
    ContentsType type, const QStyleOption *option, const QSize &size, const QWidget *widget) const
{
    const QSize fusion = QProxyStyle::sizeFromContents(type, option, size, widget);
    return type == CT_TabBarTab ? QSize(fusion.width(), kTabRow) : fusion;
}

QRect DesignStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    switch (element) {
    case SE_RadioButtonClickRect: // the whole designed box of an option button takes a click
        return option->rect;
    case SE_RadioButtonContents: // the caption six pixels right of the round indicator at its left end
        return option->rect.adjusted(kIndicator + 6, 0, 0, 0);
    case SE_RadioButtonFocusRect: { // round the caption, a pixel clear of it, within the designed box
        const QRect caption = subElementRect(SE_RadioButtonContents, option, widget);
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        const int width = button ? option->fontMetrics.horizontalAdvance(button->text) : caption.width();
        return QRect(caption.left() - 2, option->rect.top(), width + 4, option->rect.height());
    }
    case SE_TabWidgetTabBar: // one row of tabs across the whole tab control
        return { 0, 0, option->rect.width(), kTabRow };
    case SE_TabWidgetTabPane: // the page border meets the tabs' lower edge
        return option->rect.adjusted(0, kTabRow - 1, 0, 0);
    case SE_TabWidgetTabContents: // pages start right below the tab row
        return option->rect.adjusted(0, kTabRow, 0, 0);
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

void DesignStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameFocusRect
        && (qobject_cast<const Label *>(widget) || qobject_cast<const QRadioButton *>(widget)))
        return drawFocusMark(painter, option);
    if (element == PE_FrameLineEdit)
        return drawCodeBoxFrame(painter, option);
    if (element == PE_IndicatorRadioButton)
        return drawOptionIndicator(painter, option);
    if (element != PE_FrameTabWidget)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->fillRect(option->rect, option->palette.window());
    drawRaisedBevel(painter, option->rect.adjusted(0, 0, -1, -1), option->palette);
}

void DesignStyle::drawControl(
    ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option); tab && element == CE_TabBarTabShape)
        return drawTab(painter, tab);
    if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
        tab && element == CE_TabBarTabLabel) {
        // The caption centred in its tab, an unselected one a pixel lower as its tab stands lower, and never cut
        // to the room a newer Qt leaves inside its padding; the focus mark round it, a pixel clear.
        const QRect room = tab->rect.translated(0, tab->state & State_Selected ? 0 : 1);
        drawItemText(painter, room, Qt::AlignCenter | Qt::TextHideMnemonic | Qt::TextDontClip, tab->palette,
            tab->state & State_Enabled, tab->text, QPalette::WindowText);
        if (tab->state & State_HasFocus) {
            const QSize caption(tab->fontMetrics.horizontalAdvance(tab->text), tab->fontMetrics.height());
            QStyleOption mark = *tab;
            mark.rect = alignedRect(Qt::LeftToRight, Qt::AlignCenter, caption, room).adjusted(-2, -1, 2, 1);
            drawFocusMark(painter, &mark);
        }
        return;
    }
    if (const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option); button
        && element == CE_PushButtonLabel && qobject_cast<const ColorButton *>(widget)
        && coloursInUse() == ColourSource::System) {
        // The system's button text colour may be the face's own (white on white in High Contrast Black); its
        // users need the caption to read, so it is black or white, whichever reads on the face.
        QStyleOptionButton readable = *button;
        readable.palette.setColor(QPalette::ButtonText, readableOn(button->palette.color(QPalette::Button)));
        return QProxyStyle::drawControl(element, &readable, painter, widget);
    }
    // The colour buttons show their face colour; other push buttons keep Fusion's look.
    if (element != CE_PushButtonBevel || !qobject_cast<const ColorButton *>(widget))
        return QProxyStyle::drawControl(element, option, painter, widget);
    // The whole face in the button's colour, raised; sunk while pressed.
    const QRect r = option->rect.adjusted(0, 0, -1, -1);
    painter->fillRect(option->rect, option->palette.button());
    if (option->state & State_Sunken) {
        painter->setPen(option->palette.color(QPalette::Shadow));
        painter->drawRect(r);
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->drawRect(r.adjusted(1, 1, -1, -1));
    } else {
        drawRaisedBevel(painter, r, option->palette);
    }
    if (option->state & State_HasFocus)
        drawFocusMark(painter, option, 3);
}

void DesignStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    // An etched border whose top edge runs through the middle of the caption.
    const int line = box->fontMetrics.height() / 2;
    const QRect border = box->rect.adjusted(0, line, -2, -2);
    painter->setPen(box->palette.color(QPalette::Dark));
    painter->drawRect(border);
    painter->setPen(box->palette.color(QPalette::Light));
    painter->drawRect(border.translated(1, 1));
    const QRect caption(7, 0, box->fontMetrics.horizontalAdvance(box->text) + 4, box->fontMetrics.height());
    painter->fillRect(caption, box->palette.window());
    painter->setPen(box->palette.color(QPalette::WindowText));
    painter->drawText(caption, Qt::AlignCenter, box->text);
}

} // namespace barvoznak
