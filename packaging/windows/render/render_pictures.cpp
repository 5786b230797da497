// Renders SVG drawings with QSvgRenderer into the files the Windows build uses in their place.
//
// Usage: render_pictures <output> <source.svg>:<size>...
//   <size> is "<n>x", n times the drawing's own size, or "<n>", a square of n pixels.
//   An output ending in .png takes one source; one ending in .ico takes one per image of the icon.
// Exits with 1 and a message when a source cannot be read or an output cannot be written.

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <optional>

namespace {

// Appends a little-endian number of 1 to 4 bytes, as the icon format stores every field.
void put(QByteArray &out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

std::optional<QImage> render(const QString &argument)
{
    const qsizetype colon = argument.lastIndexOf(QLatin1Char(':'));
    if (colon < 1) {
        std::fprintf(stderr, "render_pictures: %s is not <source.svg>:<size>\n", qPrintable(argument));
        return std::nullopt;
    }
    const QString source = argument.left(colon);
    QString size = argument.mid(colon + 1);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_pictures: cannot read the drawing %s\n", qPrintable(source));
        return std::nullopt;
    }
    const bool times = size.endsWith(QLatin1Char('x'));
    if (times)
        size.chop(1);
    bool ok = false;
    const int n = size.toInt(&ok);
    if (!ok || n < 1 || n > 1024) {
        std::fprintf(stderr, "render_pictures: %s is no size\n", qPrintable(argument));
        return std::nullopt;
    }
    QImage image(times ? renderer.defaultSize() * n : QSize(n, n), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // The same call the program makes on Linux, so the pixels match what it shows there.
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// One image of an icon file: PNG-compressed at 256 pixels, as Windows stores its large icons, and an
// uncompressed 32-bit bitmap with its transparency mask below that, which every reader of icons knows.
QByteArray iconImage(const QImage &image)
{
    QByteArray data;
    if (image.width() >= 256) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return data;
    }
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    put(data, 40, 4); // size of the BITMAPINFOHEADER
    put(data, quint32(w), 4);
    put(data, quint32(2 * h), 4); // colour rows and mask rows
    put(data, 1, 2); // planes
    put(data, 32, 2); // bits per pixel
    put(data, 0, 4); // uncompressed
    put(data, quint32(w * h * 4 + maskStride * h), 4);
    for (int field = 0; field < 4; ++field)
        put(data, 0, 4); // resolution and palette: none
    for (int y = h - 1; y >= 0; --y) // bottom row first
        for (int x = 0; x < w; ++x)
            put(data, image.pixel(x, y), 4); // 0xAARRGGBB: B, G, R, A in the file, as the bitmap wants
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, y)) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        data.append(row);
    }
    return data;
}

QByteArray iconFile(const QList<QImage> &images)
{
    QByteArray head;
    QByteArray body;
    put(head, 0, 2);
    put(head, 1, 2); // an icon, not a cursor
    put(head, quint32(images.size()), 2);
    const int firstOffset = 6 + 16 * int(images.size());
    for (const QImage &image : images) {
        const QByteArray data = iconImage(image);
        put(head, quint32(image.width() % 256), 1); // 0 stands for 256
        put(head, quint32(image.height() % 256), 1);
        put(head, 0, 2); // no palette
        put(head, 1, 2); // planes
        put(head, 32, 2); // bits per pixel
        put(head, quint32(data.size()), 4);
        put(head, quint32(firstOffset + body.size()), 4);
        body.append(data);
    }
    return head + body;
}

} // namespace

int main(int argc, char *argv[])
{
    // QSvgRenderer needs a GUI application for its fonts, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: render_pictures <output.png|output.ico> <source.svg>:<size>...\n");
        return 1;
    }
    const QString output = args.first();
    const bool icon = output.endsWith(QLatin1String(".ico"));
    if (!icon && (!output.endsWith(QLatin1String(".png")) || args.size() != 2)) {
        std::fprintf(
            stderr, "render_pictures: %s: a .png takes one source, an .ico several\n", qPrintable(output));
        return 1;
    }
    QList<QImage> images;
    for (const QString &argument : args.mid(1)) {
        std::optional<QImage> image = render(argument);
        if (!image)
            return 1;
        if (icon && (image->width() != image->height() || image->width() > 256)) {
            std::fprintf(stderr, "render_pictures: %s: an icon's images are squares of at most 256 pixels\n",
                qPrintable(argument));
            return 1;
        }
        images.append(*image);
    }
    QFile file(output);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(output));
        return 1;
    }
    bool written = false;
    if (icon) {
        const QByteArray data = iconFile(images);
        written = file.write(data) == data.size();
    } else {
        written = images.first().save(&file, "PNG");
    }
    if (!written || !file.flush()) {
        std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(output));
        file.remove();
        return 1;
    }
    return 0;
}
