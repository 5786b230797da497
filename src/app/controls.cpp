#include "controls.h"

#include <QAccessibleWidget>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOptionFocusRect>
#include <QtMath>
#ifndef BARVOZNAK_RENDERED_DRAWINGS
#include <QIconEngine>
#include <QSvgRenderer>
#endif

#include <memory>
#include <mutex>

namespace barvoznak {

QFont designFont(DesignFont kind)
{
    QFont font;
    // The design's "MS Sans Serif" is a bitmap face: it has only a few sizes (no larger text at 125 to 200 %)
    // and, outside Central European systems, no Czech letters. Its scalable successor has both, on every
    // Windows; elsewhere an Arial-metric face keeps the designed widths.
    font.setFamilies(
        { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial") });
    font.setStyleHint(QFont::SansSerif);
    // The design's point sizes at 96 dots per inch, as logical pixels: 8.25 pt is 11 px, 9.75 pt is 13 px.
    font.setPixelSize(kind == DesignFont::Bold975 ? 13 : 11);
    font.setBold(kind != DesignFont::Dialog);
    return font;
}

QPalette designPalette()
{
    QPalette palette;
    for (const design::RoleColour &colour : design::kColours) {
        palette.setColor(QPalette::Active, colour.role, QColor::fromRgba(colour.enabled));
        palette.setColor(QPalette::Inactive, colour.role, QColor::fromRgba(colour.enabled));
        palette.setColor(QPalette::Disabled, colour.role, QColor::fromRgba(colour.disabled));
    }
    return palette;
}

namespace {

// A label as accessibility clients meet it: its text, a link where it opens a web page, the control whose
// entry it shows, and, where a click does something, the press action. Like Qt's own buttons, the action
// returns at once and the click's handler runs from the event loop, so a client never waits on a modal box.
class LabelAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::Role role() const override
    {
        return label()->link().isEmpty() ? QAccessible::StaticText : QAccessible::Link;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text();
        if (t == QAccessible::Description && !label()->link().isEmpty())
            return label()->link();
        return QAccessibleWidget::text(t);
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        const auto add = [&](QWidget *other, QAccessible::Relation relation) {
            if (other && (match & relation))
                related.append({ QAccessible::queryAccessibleInterface(other), relation });
        };
        add(label()->buddy(), QAccessible::Labelled);
        add(label()->controlledBy(), QAccessible::Controller);
        return related;
    }
    QStringList actionNames() const override
    {
        return label()->isClickable() ? QStringList { pressAction() } : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && label()->isClickable())
            QMetaObject::invokeMethod(
                label(), [label = label()] { label->click(); }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    Label *label() const { return static_cast<Label *>(widget()); }
};

// What our own controls are to accessibility clients: the main window a window, pictures and band shapes
// images, the drawn lines separators.
QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("barvoznak::Label"))
        return new LabelAccessible(static_cast<Label *>(widget));
    if (className == QLatin1String("barvoznak::Picture") || className == QLatin1String("barvoznak::BandShape"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("QFrame") && static_cast<QFrame *>(widget)->frameShape() == QFrame::HLine)
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("barvoznak::Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(accessibleFactory); });
}

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    if (!on)
        return;
    m_anchorX2 = alignment() & Qt::AlignHCenter ? 2 * x() + width() : 2 * x();
    setText(text());
}

void Label::setText(const QString &text)
{
    QLabel::setText(text);
    if (!m_autoSize)
        return;
    // One line of plain text: its advance and the font's line height are the whole size, and far cheaper to
    // get than QLabel's size hint, which lays the text out three times over.
    const QFontMetricsF metrics(font());
    // The last glyph may reach past its advance; the box takes that in too, so no pixel is cut off.
    const qreal overhang = text.isEmpty() ? 0 : qMax(0.0, -metrics.rightBearing(text.back()));
    const QSize size(qCeil(metrics.horizontalAdvance(text) + overhang), qCeil(metrics.height()));
    const int left = alignment() & Qt::AlignHCenter ? (m_anchorX2 - size.width()) / 2 : m_anchorX2 / 2;
    setGeometry(left, y(), size.width(), size.height());
}

void Label::setClickHandler(std::function<void()> handler)
{
    m_onClick = std::move(handler);
    // Reached with Tab only: a click acts at once, and a focus mark left behind would only distract.
    setFocusPolicy(m_onClick ? Qt::TabFocus : Qt::NoFocus);
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus mark of the colour buttons, around the text.
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

namespace {

// The colour buttons of the design's grid, each with its number and place.
void makeColorButtons(QWidget *page)
{
    for (int band = 1; band <= bands::kBandTotal; ++band)
        for (bands::ColorIndex c = bands::kBlack; c <= bands::kColorCount; ++c)
            if (design::buttonExists(band, c)) {
                auto *button = new ColorButton(band, c, page);
                button->setObjectName(QStringLiteral("Command%1").arg(design::buttonNumber(band, c)));
                button->setGeometry(design::onPage(design::colorButton(band, c)));
            }
    // The red button of band 1 is taller than the grid and stands over the orange one below it.
    page->findChild<ColorButton *>(QStringLiteral("Command3"))->raise();
}

QWidget *makeControl(const design::Control &row, const QString &caption, QWidget *container)
{
    using design::Kind;
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new Label(caption, container);
        label->setAutoFillBackground(!row.look.transparent);
        label->setAlignment(row.look.align | Qt::AlignTop);
        if (row.look.white) {
            QPalette white = label->palette();
            white.setColor(QPalette::WindowText, Qt::white);
            label->setPalette(white);
        }
        return label;
    }
    case Kind::Picture:
        return new Picture(caption, container);
    case Kind::Shape:
    case Kind::RoundedShape:
        return new BandShape(row.kind == Kind::RoundedShape, container);
    case Kind::ColorButtons: // a grid of its own: makeColorButtons
        break;
    case Kind::Frame:
        return new QGroupBox(caption, container);
    case Kind::Option: {
        auto *option = new QRadioButton(caption, container);
        option->setChecked(row.look.selected);
        return option;
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(caption, container);
        box->setAlignment(row.look.align | Qt::AlignVCenter);
        return box;
    }
    case Kind::Line: {
        // A thin solid line in the window text colour. The frame fills its whole box in that colour, as its
        // own line would be a device pixel thin on a high-density screen.
        auto *line = new QFrame(container);
        line->setFrameStyle(QFrame::HLine | QFrame::Plain);
        line->setBackgroundRole(QPalette::WindowText);
        line->setAutoFillBackground(true);
        return line;
    }
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget *page, std::span<const design::Control> rows)
{
    for (const design::Control &row : rows) {
        if (row.kind == design::Kind::ColorButtons) {
            makeColorButtons(page);
            continue;
        }
        QWidget *container = row.frame ? page->findChild<QGroupBox *>(QLatin1String(row.frame)) : page;
        QWidget *control = makeControl(row, QString::fromUtf8(row.caption), container);
        control->setObjectName(QLatin1String(row.name));
        control->setGeometry(row.frame ? design::px(row.place) : design::onPage(row.place));
        if (row.look.font != DesignFont::Dialog) // else the window's own
            control->setFont(designFont(row.look.font));
        if (row.look.pointer != Qt::ArrowCursor)
            control->setCursor(row.look.pointer);
        if (row.spoken)
            control->setAccessibleName(QString::fromUtf8(row.spoken));
        if (auto *label = qobject_cast<Label *>(control))
            label->setAutoSize(row.look.autoSize);
    }
}

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
    m_icon.paint(&painter, rect());
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
    painter.setPen(QPen(m_outline, 1));
    painter.setBrush(m_fill);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_rounded)
        painter.drawRoundedRect(box, 3, 3);
    else
        painter.drawRect(box);
}

} // namespace barvoznak
