#include "app/controls.h"

#include "app/colours.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QtMath>

namespace barvoznak {

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    if (!on)
        return;
    m_anchorX2 = alignment() & Qt::AlignHCenter ? 2 * x() + width() : 2 * x();
    setCaption(text());
}

void Label::setCaption(const QString &text)
{
    setText(text);
    if (!m_autoSize)
        return;
    // One line of plain text: its advance and the font's line height are the whole size, and far cheaper to
    // get than QLabel's size hint, which lays the text out three times over.
    const QFontMetricsF metrics(font());
    // The last glyph may reach past its advance; the box takes that in too, so no pixel is cut off.
    const qreal overhang = text.isEmpty() ? 0 : qMax(0.0, -metrics.rightBearing(text.back()));
    const QSize size(qCeil(metrics.horizontalAdvance(text) + overhang), qCeil(metrics.height()));
    const int left = alignment() & Qt::AlignHCenter ? (m_anchorX2 - size.width()) / 2 : m_anchorX2 / 2;
    setGeometry(QRect(QPoint(left, y() + contentsMargins().top()), size).marginsAdded(contentsMargins()));
}

void Label::setClickHandler(std::function<void()> handler)
{
    m_onClick = std::move(handler);
    // Reached with Tab only: a click acts at once, and a focus mark left behind would only distract.
    setFocusPolicy(m_onClick ? Qt::TabFocus : Qt::NoFocus);
    // Room round the text for the focus mark, so that the mark keeps a pixel clear of every glyph; the text
    // stays where it was.
    const int room = m_onClick ? 2 : 0;
    const QMargins before = contentsMargins(), after(room, room, room, room);
    setContentsMargins(after);
    setGeometry(geometry().marginsRemoved(before).marginsAdded(after));
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus mark of the colour buttons, in the room round the text.
    QStyleOptionFocusRect mark;
    mark.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &painter, this);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const bool activates
        = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    if (!isClickable() || !activates)
        return QLabel::keyPressEvent(event);
    // A key held down acts once, as one click does.
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked
        = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (clicked)
        click();
}

void Label::click() const
{
    if (m_onClick)
        m_onClick();
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

QColor paintColor(bands::ColorIndex c)
{
    const std::uint32_t bgr = bands::colorInfo(c).value;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

ColorButton::ColorButton(int band, bands::ColorIndex c, QWidget *parent)
    : QPushButton(QString::fromUtf8(bands::colorInfo(c).caption), parent)
    , m_band(band)
    , m_color(c)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, paintColor(c));
    setPalette(palette);
}

BandShape::BandShape(bool rounded, QWidget *parent)
    : QWidget(parent)
    , m_rounded(rounded)
{
}

void BandShape::setColors(QColor fill, QColor outline)
{
    m_fill = fill;
    m_outline = outline;
    update();
}

void BandShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, m_rounded);
    // Under the system's colours the outline is the page's text colour: a black band would vanish on High
    // Contrast Black's black page, a white one on High Contrast White's.
    painter.setPen(
        QPen(coloursInUse() == ColourSource::System ? palette().color(QPalette::WindowText) : m_outline, 1));
    painter.setBrush(m_fill);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_rounded)
        painter.drawRoundedRect(box, 3, 3);
    else
        painter.drawRect(box);
}

} // namespace barvoznak
