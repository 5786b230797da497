#include "controls.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QtMath>

#ifndef BARVOZNAK_RENDERED_DRAWINGS
#include <QSvgRenderer>
#endif

namespace barvoznak {

QFont designFont(DesignFont kind)
{
    QFont font;
    font.setFamilies(
        { QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial") });
    font.setStyleHint(QFont::SansSerif);
    // The design's point sizes at 96 dots per inch, as logical pixels: 8.25 pt is 11 px, 9.75 pt is 13 px.
    font.setPixelSize(kind == DesignFont::Bold975 ? 13 : 11);
    font.setBold(kind != DesignFont::Dialog);
    return font;
}

namespace {

// What our own controls are to accessibility clients: the main window a window, pictures and band shapes
// images, the drawn lines separators.
QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("barvoznak::Picture") || className == QLatin1String("barvoznak::BandShape"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("barvoznak::DesignLine"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == QLatin1String("barvoznak::Form1"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace {

// The whole box of an option button is its click area, as the design's option buttons are, and its round
// indicator fits the designed 13-pixel height.
class OptionStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const override
    {
        if (element == SE_RadioButtonClickRect)
            return option->rect;
        return QProxyStyle::subElementRect(element, option, widget);
    }
};

// Tabs exactly as high as the designed tab row, so they never reach over the controls below.
class TabRow : public QTabBar {
public:
    TabRow(int height, QWidget *parent)
        : QTabBar(parent)
        , m_height(height)
    {
    }

protected:
    QSize tabSizeHint(int index) const override { return { QTabBar::tabSizeHint(index).width(), m_height }; }

private:
    int m_height;
};

// A classic raised edge: light on the top and left, a shadow and a dark line inside it on the bottom and right.
void drawRaisedBevel(QPainter &painter, QRect r, const QPalette &palette)
{
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(r.bottomLeft() + QPoint(1, -1), r.bottomRight() + QPoint(-1, -1));
    painter.drawLine(r.topRight() + QPoint(-1, 1), r.bottomRight() + QPoint(-1, -1));
}

// The page face with the tab control's raised border below the tab row.
class TabPage : public QWidget {
public:
    TabPage(int tabRowHeight, QWidget *parent)
        : QWidget(parent)
        , m_tabRowHeight(tabRowHeight)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The page face is the dialog colour that opaque labels fill with, so they blend in.
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        drawRaisedBevel(painter, rect().adjusted(0, m_tabRowHeight - 1, -1, -1), palette());
    }

private:
    int m_tabRowHeight;
};

} // namespace

SSTab::SSTab(int tabRowHeight, QWidget *parent)
    : QWidget(parent)
    , m_tabRowHeight(tabRowHeight)
    , m_pages(new QStackedWidget(this))
    , m_tabBar(new TabRow(tabRowHeight, this))
{
    m_tabBar->setExpanding(true);
    m_tabBar->setDrawBase(false);
    m_tabBar->setUsesScrollButtons(false);
    m_tabBar->setElideMode(Qt::ElideNone);
    m_tabBar->raise();
    connect(m_tabBar, &QTabBar::currentChanged, m_pages, &QStackedWidget::setCurrentIndex);
}

QWidget *SSTab::addPage(const QString &caption)
{
    auto *page = new TabPage(m_tabRowHeight, m_pages);
    m_pages->addWidget(page);
    m_tabBar->addTab(caption);
    return page;
}

void SSTab::resizeEvent(QResizeEvent *)
{
    m_pages->setGeometry(rect());
    m_tabBar->setGeometry(0, 0, width(), m_tabRowHeight);
}

Label::Label(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
}

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
    setGeometry(left, y(), size.width(), size.height());
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click
        = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void Label::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

Label *makeLabel(const QString &name, const QString &caption, QRect place, DesignFont font, bool transparent,
    QWidget *parent, Qt::Alignment alignment, bool autoSize)
{
    auto *label = new Label(name, parent);
    label->setFont(designFont(font));
    label->setGeometry(place);
    label->setAutoFillBackground(!transparent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setText(caption);
    label->setAutoSize(autoSize);
    return label;
}

// Where Qt has no SVG module (the Windows build), each SVG drawing of the resources comes as PNG renderings
// made when the program is built: "name.svg" as "name.png" with its "@2x" twin and, for an icon, as one
// PNG per size in the folder "name/".
#ifdef BARVOZNAK_RENDERED_DRAWINGS
namespace {
bool isDrawing(const QString &resource) { return resource.endsWith(QLatin1String(".svg")); }
QString pictureResource(const QString &resource)
{
    return isDrawing(resource) ? resource.chopped(4) + QLatin1String(".png") : resource;
}
} // namespace

QIcon drawingIcon(const QString &resource)
{
    QIcon icon;
    const QDir sizes(isDrawing(resource) ? resource.chopped(4) : resource);
    for (const QString &file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}
#else
namespace {
QString pictureResource(const QString &resource) { return resource; }
} // namespace

QIcon drawingIcon(const QString &resource) { return QIcon(resource); }
#endif

Picture::Picture(const QString &name, const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(pictureResource(resource))
{
    installAccessibleFactory();
    setObjectName(name);
}

Picture::~Picture() = default;

void Picture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
#ifndef BARVOZNAK_RENDERED_DRAWINGS
    if (m_resource.endsWith(QLatin1String(".svg"))) {
        if (!m_svg)
            m_svg = std::make_unique<QSvgRenderer>(m_resource);
        m_svg->render(&painter, QRectF(rect()));
        return;
    }
#endif
    const qreal ratio = devicePixelRatioF();
    if (m_raster.isNull() || !qFuzzyCompare(m_raster.devicePixelRatio(), ratio > 1 ? 2.0 : 1.0)) {
        QString path = m_resource;
        if (ratio > 1) {
            const int dot = path.lastIndexOf(QLatin1Char('.'));
            path.insert(dot, QLatin1String("@2x"));
        }
        m_raster = QPixmap(path);
        m_raster.setDevicePixelRatio(ratio > 1 ? 2.0 : 1.0);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_raster);
}

BandShape::BandShape(int band, bool rounded, QWidget *parent)
    : QWidget(parent)
    , m_rounded(rounded)
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("Shape%1").arg(band));
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

ColorButton::ColorButton(const QString &name, const QString &caption, QColor face, QWidget *parent)
    : QPushButton(caption, parent)
    , m_face(face)
{
    setObjectName(name);
}

void ColorButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), m_face);
    const bool down = isDown();
    // Raised, sunk while pressed.
    if (down) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(r);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(r.adjusted(1, 1, -1, -1));
    } else {
        drawRaisedBevel(painter, r, palette());
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(font());
    const QRect textBox = down ? rect().translated(1, 1) : rect();
    painter.drawText(textBox, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

Frame::Frame(const QString &name, const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setObjectName(name);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int line = metrics.height() / 2;
    // An etched border whose top edge runs through the middle of the caption.
    const QRect border = rect().adjusted(0, line, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    const QRect caption(7, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

QRadioButton *makeOption(const QString &name, const QString &caption, QRect place, QWidget *parent)
{
    // One style for all option buttons, living as long as the application.
    static QPointer<QStyle> style;
    if (!style) {
        style = new OptionStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    auto *option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setStyle(style);
    option->setGeometry(place);
    return option;
}

DesignLine::DesignLine(const QString &name, QLine line, QWidget *parent)
    : QWidget(parent)
{
    installAccessibleFactory();
    setObjectName(name);
    setGeometry(QRect(line.p1(), line.p2()).normalized());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DesignLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

} // namespace barvoznak
