// Generates the About page picture: embossed gold traces, a small resistor
// network and the "BV" monogram on dark bronze.
//
// Usage: make_about <output-folder>
// Writes about.png (485 x 293) and about@2x.png (970 x 586).
//
// The scene is described once in logical 485 x 293 coordinates and rendered
// at each scale, so both files show the same picture. Every bit of noise is a
// function of logical position seeded from a fixed value, hence the output is
// reproducible. The About page puts white text over the top-left rows and
// the bottom strip, so those areas are kept free of bright metal.

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 485;
constexpr int kHeight = 293;
// Lighting is computed at twice the output resolution and averaged down; it
// keeps the one-pixel highlight edges of the 1x picture smooth.
constexpr int kOversample = 2;
constexpr unsigned kSeed = 0xB4A5u;

constexpr double kPi = std::numbers::pi;

class ValueNoise {
public:
    explicit ValueNoise(std::mt19937 &rng)
    {
        for (int i = 0; i < 256; ++i)
            m_perm[i] = i;
        std::shuffle(m_perm.begin(), m_perm.begin() + 256, rng);
        for (int i = 0; i < 256; ++i)
            m_perm[256 + i] = m_perm[i];
        std::uniform_real_distribution<double> uni(-1.0, 1.0);
        for (double &v : m_value)
            v = uni(rng);
    }

    double at(double x, double y) const
    {
        const double fx = std::floor(x);
        const double fy = std::floor(y);
        const int ix = static_cast<int>(fx) & 255;
        const int iy = static_cast<int>(fy) & 255;
        const double tx = smooth(x - fx);
        const double ty = smooth(y - fy);
        const double a = lattice(ix, iy);
        const double b = lattice(ix + 1, iy);
        const double c = lattice(ix, iy + 1);
        const double d = lattice(ix + 1, iy + 1);
        return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
    }

    double fbm(double x, double y, int octaves) const
    {
        double sum = 0.0;
        double amp = 0.5;
        double norm = 0.0;
        for (int i = 0; i < octaves; ++i) {
            sum += amp * at(x, y);
            norm += amp;
            // The offset keeps octaves from sharing lattice points.
            x = x * 2.03 + 17.1;
            y = y * 2.03 + 31.7;
            amp *= 0.5;
        }
        return sum / norm;
    }

private:
    static double smooth(double t) { return t * t * t * (t * (t * 6 - 15) + 10); }
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double lattice(int ix, int iy) const { return m_value[m_perm[m_perm[ix & 255] + (iy & 255)]]; }

    std::array<int, 512> m_perm {};
    std::array<double, 256> m_value {};
};

// A centre line made of straight runs and arcs, sampled densely so that
// parallel traces can be produced by offsetting along the normal.
class CenterLine {
public:
    CenterLine(QPointF start, double headingDeg)
        : m_pos(start)
        , m_heading(headingDeg * kPi / 180.0)
    {
        push();
    }

    CenterLine &straight(double length)
    {
        const int steps = std::max(1, static_cast<int>(length / 0.5));
        for (int i = 0; i < steps; ++i) {
            m_pos += QPointF(std::cos(m_heading), std::sin(m_heading)) * (length / steps);
            push();
        }
        return *this;
    }

    // Positive degrees turn clockwise on screen (y grows downwards).
    CenterLine &arc(double radius, double degrees)
    {
        const double total = degrees * kPi / 180.0;
        const int steps = std::max(2, static_cast<int>(std::abs(total) * radius / 0.5));
        for (int i = 0; i < steps; ++i) {
            const double dTheta = total / steps;
            const double mid = m_heading + dTheta / 2;
            const double chord = 2 * radius * std::sin(std::abs(dTheta) / 2);
            m_pos += QPointF(std::cos(mid), std::sin(mid)) * chord;
            m_heading += dTheta;
            push();
        }
        return *this;
    }

    // Runs straight until x reaches the given value (heading must point right).
    CenterLine &straightToX(double x)
    {
        const double c = std::cos(m_heading);
        if (c > 1e-6 && x > m_pos.x())
            straight((x - m_pos.x()) / c);
        return *this;
    }

    // Polyline offset by `d` to the left of the direction of travel; clipped
    // where the offset line passes `endX`.
    QPainterPath offset(double d, double endX) const
    {
        QPainterPath path;
        for (size_t i = 0; i < m_points.size(); ++i) {
            const double h = m_headings[i];
            const QPointF p = m_points[i] + QPointF(std::sin(h), -std::cos(h)) * d;
            if (i == 0) {
                path.moveTo(p);
            } else if (p.x() >= endX) {
                const QPointF prev = path.currentPosition();
                const double t = (endX - prev.x()) / (p.x() - prev.x());
                path.lineTo(prev + (p - prev) * t);
                break;
            } else {
                path.lineTo(p);
            }
        }
        return path;
    }

private:
    void push()
    {
        m_points.push_back(m_pos);
        m_headings.push_back(m_heading);
    }

    QPointF m_pos;
    double m_heading;
    std::vector<QPointF> m_points;
    std::vector<double> m_headings;
};

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &p : points) {
        if (first)
            path.moveTo(p);
        else
            path.lineTo(p);
        first = false;
    }
    return path;
}

// Heights are in logical pixels; the gold mask tells which parts are gilded.
struct Layers {
    QImage height; // red channel: raised height, 255 = 1.0
    QImage gold; // red channel: gold coverage
    QImage scratch; // red channel: shallow grooves in the bronze
};

struct Scratch {
    QPointF a, b;
    double width;
};

struct SceneData {
    std::vector<Scratch> scratches;
};

SceneData makeSceneData(std::mt19937 &rng)
{
    SceneData data;
    std::uniform_real_distribution<double> ux(0, kWidth);
    std::uniform_real_distribution<double> uy(0, kHeight);
    std::uniform_real_distribution<double> len(8, 45);
    // Brushing is horizontal, so stray scratches stay mostly horizontal too.
    std::normal_distribution<double> angle(0.0, 0.25);
    std::uniform_real_distribution<double> width(0.35, 0.7);
    for (int i = 0; i < 40; ++i) {
        const QPointF a(ux(rng), uy(rng));
        const double ang = angle(rng);
        const double l = len(rng);
        data.scratches.push_back({ a, a + QPointF(std::cos(ang), std::sin(ang)) * l, width(rng) });
    }
    return data;
}

class HeightPainter {
public:
    HeightPainter(Layers &layers, double scale)
        : m_h(&layers.height)
        , m_g(&layers.gold)
    {
        for (QPainter *p : { &m_h, &m_g }) {
            p->setRenderHint(QPainter::Antialiasing);
            p->scale(scale, scale);
        }
        // Overlapping parts keep the higher of the two heights.
        m_h.setCompositionMode(QPainter::CompositionMode_Lighten);
    }

    void stroke(const QPainterPath &path, double width, double height, Qt::PenCapStyle cap = Qt::RoundCap)
    {
        QPen pen(level(height), width, Qt::SolidLine, cap, Qt::RoundJoin);
        m_h.strokePath(path, pen);
        pen.setColor(Qt::white);
        m_g.strokePath(path, pen);
    }

    void fill(const QPainterPath &path, double height)
    {
        m_h.fillPath(path, level(height));
        m_g.fillPath(path, Qt::white);
    }

    // For rounded parts: the gradient's colours are the heights.
    void fill(const QPainterPath &path, const QGradient &profile)
    {
        m_h.fillPath(path, profile);
        m_g.fillPath(path, Qt::white);
    }

    static QColor level(double height)
    {
        const int v = std::clamp(static_cast<int>(std::lround(height * 255)), 0, 255);
        return QColor(v, v, v);
    }

    // Cuts into what was drawn before (via holes, grooves on resistor bodies).
    void cut(const QPainterPath &path, double height, bool removeGold)
    {
        m_h.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_h.fillPath(path, level(height));
        m_h.setCompositionMode(QPainter::CompositionMode_Lighten);
        if (removeGold)
            m_g.fillPath(path, Qt::black);
    }

private:
    QPainter m_h;
    QPainter m_g;
};

constexpr double kTraceWidth = 3.4;
constexpr double kTraceHeight = 0.55;
constexpr double kBodyHeight = 1.0;

QRadialGradient dome(QPointF c, double r, double top, double rim)
{
    QRadialGradient g(c, r);
    g.setColorAt(0.0, HeightPainter::level(top));
    g.setColorAt(1.0, HeightPainter::level(rim));
    return g;
}

void via(HeightPainter &hp, QPointF c, double r = 4.2)
{
    QPainterPath pad;
    pad.addEllipse(c, r, r);
    hp.fill(pad, 0.62);
    QPainterPath hole;
    hole.addEllipse(c, r * 0.38, r * 0.38);
    hp.cut(hole, 0.0, true);
}

void junction(HeightPainter &hp, QPointF c)
{
    QPainterPath dot;
    dot.addEllipse(c, 3.1, 3.1);
    hp.fill(dot, dome(c, 3.1, 0.78, 0.5));
}

// Box resistor: a raised body with end caps and three pressed bands,
// centred on `c`, lying along the x axis unless `vertical`.
void boxResistor(HeightPainter &hp, QPointF c, bool vertical)
{
    const double len = 24, thick = 10;
    auto rect = [&](double along0, double along1, double across) {
        return vertical ? QRectF(c.x() - across / 2, c.y() + along0, across, along1 - along0)
                        : QRectF(c.x() + along0, c.y() - across / 2, along1 - along0, across);
    };
    QPainterPath body;
    body.addRoundedRect(rect(-len / 2, len / 2, thick), 2.6, 2.6);
    // Cylindrical cross-section.
    const QPointF across = vertical ? QPointF(thick / 2 + 0.8, 0) : QPointF(0, thick / 2 + 0.8);
    QLinearGradient profile(c - across, c + across);
    profile.setColorAt(0.0, HeightPainter::level(0.45));
    profile.setColorAt(0.2, HeightPainter::level(0.82));
    profile.setColorAt(0.5, HeightPainter::level(kBodyHeight));
    profile.setColorAt(0.8, HeightPainter::level(0.82));
    profile.setColorAt(1.0, HeightPainter::level(0.45));
    hp.fill(body, profile);
    // The caps sit a little proud of the body, as on a real leaded part.
    for (double s : { -1.0, 1.0 }) {
        QPainterPath cap;
        const double a0 = s < 0 ? -len / 2 - 0.6 : len / 2 - 4.2;
        cap.addRoundedRect(rect(a0, a0 + 4.8, thick + 1.6), 1.8, 1.8);
        profile.setColorAt(0.5, HeightPainter::level(kBodyHeight + 0.08));
        hp.fill(cap, profile);
    }
    for (double at : { -4.6, -0.6, 3.4 }) {
        QPainterPath band;
        band.addRect(rect(at, at + 1.6, thick - 1.4));
        hp.cut(band, 0.8, false);
    }
}

// Zig-zag resistor symbol between `a` and `b` (horizontal or vertical).
void zigzagResistor(HeightPainter &hp, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const int peaks = 6;
    const double amp = 5.0;
    QPainterPath path;
    path.moveTo(a);
    for (int i = 0; i < peaks; ++i) {
        const double t = (i + 0.5) / peaks;
        path.lineTo(a + u * (t * len) + n * ((i % 2 == 0) ? amp : -amp));
    }
    path.lineTo(b);
    hp.stroke(path, 2.6, kTraceHeight + 0.1, Qt::FlatCap);
}

// Returns where the top trace ends; the resistor network picks it up there.
QPointF drawBus(HeightPainter &hp)
{
    // Nine parallel traces enter at the lower left and sweep up to the right,
    // passing below the text rows. They end one after another in vias; the
    // top one carries on into the resistor network.
    CenterLine bus(QPointF(-12, 238), 0);
    bus.straight(36).arc(135, -38).straight(34).arc(135, 38).straightToX(500);
    constexpr int kCount = 9;
    constexpr double kPitch = 8.8;
    QPointF topEnd;
    for (int i = 0; i < kCount; ++i) {
        // i = 0 is the top trace
        const double d = (kCount - 1) / 2.0 * kPitch - i * kPitch;
        if (i == 0) {
            const QPainterPath top = bus.offset(d, 444);
            hp.stroke(top, kTraceWidth, kTraceHeight, Qt::FlatCap);
            topEnd = top.currentPosition();
            continue;
        }
        const double endX = 420 - 21 * i;
        QPainterPath path = bus.offset(d, endX);
        hp.stroke(path, kTraceWidth, kTraceHeight, Qt::FlatCap);
        via(hp, path.currentPosition());
    }
    return topEnd;
}

void drawNetwork(HeightPainter &hp, QPointF busEnd)
{
    // The top bus trace turns up along the right edge, past the text rows,
    // then runs back left along the top.
    const double yBus = busEnd.y();
    const double xCol = 452.0;
    const double yTop = 23.0;
    const double xPar = 474.0;

    QPainterPath main;
    main.moveTo(busEnd.x() - 4, yBus);
    main.lineTo(xCol - 8, yBus);
    main.quadTo(xCol, yBus, xCol, yBus - 8);
    main.lineTo(xCol, yTop + 8);
    main.quadTo(xCol, yTop, xCol - 8, yTop);
    main.lineTo(286, yTop);
    hp.stroke(main, kTraceWidth, kTraceHeight, Qt::FlatCap);

    // A second resistor in parallel with the lower vertical one.
    QPainterPath par = polyline({ { xCol, 46 }, { xPar - 6, 46 } });
    par.quadTo(xPar, 46, xPar, 52);
    par.lineTo(xPar, 106);
    par.quadTo(xPar, 112, xPar - 6, 112);
    par.lineTo(xCol, 112);
    hp.stroke(par, kTraceWidth * 0.85, kTraceHeight, Qt::FlatCap);

    boxResistor(hp, { xCol, 80 }, true);
    boxResistor(hp, { xPar, 79 }, true);
    boxResistor(hp, { 400, yTop }, false);
    zigzagResistor(hp, { 318, yTop }, { 346, yTop });
    boxResistor(hp, { 372, yBus }, false);

    // A tap from the top row dropping to a test pad right of the title strip.
    hp.stroke(
        polyline({ { 300, yTop }, { 300, 40 }, { 286, 40 } }), kTraceWidth * 0.85, kTraceHeight, Qt::FlatCap);

    for (QPointF p : { QPointF(xCol, 46), QPointF(xCol, 112), QPointF(300, yTop) })
        junction(hp, p);
    via(hp, { 284, yTop }, 4.6);
    via(hp, { 284, 40 }, 4.0);
    via(hp, { 466, yTop }, 4.0);
    hp.stroke(polyline({ { xCol, yTop }, { 466, yTop } }), kTraceWidth, kTraceHeight, Qt::FlatCap);
}

void drawMonogram(HeightPainter &hp)
{
    const QPointF c(425, 221);
    QPainterPath outer;
    outer.addEllipse(c, 45, 45);
    QPainterPath outerHole;
    outerHole.addEllipse(c, 40.5, 40.5);
    hp.fill(outer.subtracted(outerHole), 0.72);

    QPainterPath inner;
    inner.addEllipse(c, 35.5, 35.5);
    QPainterPath innerHole;
    innerHole.addEllipse(c, 34.0, 34.0);
    hp.fill(inner.subtracted(innerHole), 0.5);

    // Beads between the two rings, like the edge of a medal.
    for (int i = 0; i < 36; ++i) {
        const double a = i * 2 * kPi / 36;
        QPainterPath bead;
        bead.addEllipse(c + QPointF(std::cos(a), std::sin(a)) * 38.0, 1.05, 1.05);
        hp.fill(bead, dome(bead.boundingRect().center(), 1.05, 0.5, 0.25));
    }

    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(44);
    // Another face would still work but change the picture; say so.
    if (const QString family = QFontInfo(font).family(); family != font.family())
        std::fprintf(stderr, "warning: monogram drawn with %s instead of %s\n", qPrintable(family),
            qPrintable(font.family()));
    QPainterPath letters;
    letters.addText(0, 0, font, QStringLiteral("BV"));
    const QRectF box = letters.boundingRect();
    letters.translate(c - box.center() + QPointF(0, 0.5));
    hp.fill(letters, 0.85);
}

void drawScene(Layers &layers, double scale, const SceneData &data)
{
    {
        HeightPainter hp(layers, scale);
        drawNetwork(hp, drawBus(hp));
        drawMonogram(hp);
    }
    QPainter sp(&layers.scratch);
    sp.setRenderHint(QPainter::Antialiasing);
    sp.scale(scale, scale);
    for (const Scratch &s : data.scratches) {
        sp.setPen(QPen(QColor(255, 255, 255, 150), s.width, Qt::SolidLine, Qt::RoundCap));
        sp.drawLine(s.a, s.b);
    }
}

using Field = std::vector<float>;

Field redChannel(const QImage &img)
{
    Field f(static_cast<size_t>(img.width()) * img.height());
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            f[static_cast<size_t>(y) * img.width() + x] = qRed(line[x]) / 255.0f;
    }
    return f;
}

Field gaussianBlur(const Field &src, int w, int h, double sigma)
{
    const int r = std::max(1, static_cast<int>(std::ceil(sigma * 3)));
    std::vector<float> k(2 * r + 1);
    float sum = 0;
    for (int i = -r; i <= r; ++i)
        sum += k[i + r] = static_cast<float>(std::exp(-0.5 * i * i / (sigma * sigma)));
    for (float &v : k)
        v /= sum;

    Field tmp(src.size()), dst(src.size());
    for (int y = 0; y < h; ++y) {
        const float *row = &src[static_cast<size_t>(y) * w];
        for (int x = 0; x < w; ++x) {
            float acc = 0;
            for (int i = -r; i <= r; ++i)
                acc += k[i + r] * row[std::clamp(x + i, 0, w - 1)];
            tmp[static_cast<size_t>(y) * w + x] = acc;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float acc = 0;
            for (int i = -r; i <= r; ++i)
                acc += k[i + r] * tmp[static_cast<size_t>(std::clamp(y + i, 0, h - 1)) * w + x];
            dst[static_cast<size_t>(y) * w + x] = acc;
        }
    }
    return dst;
}

double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Distance-based falloff for a rectangle: 1 inside, 0 beyond `feather`.
double rectCover(double x, double y, const QRectF &r, double feather)
{
    const double dx = std::max({ r.left() - x, 0.0, x - r.right() });
    const double dy = std::max({ r.top() - y, 0.0, y - r.bottom() });
    return 1.0 - smoothstep(0.0, feather, std::hypot(dx, dy));
}

struct Rgb {
    double r, g, b;
};

int encodeSrgb(double linear)
{
    linear = std::clamp(linear, 0.0, 1.0);
    const double s = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
    return std::clamp(static_cast<int>(std::lround(s * 255)), 0, 255);
}

QImage render(int scale, const SceneData &data, const ValueNoise &noise)
{
    const double s = static_cast<double>(scale) * kOversample; // device px per logical px
    const int w = kWidth * scale * kOversample;
    const int h = kHeight * scale * kOversample;

    Layers layers { QImage(w, h, QImage::Format_RGB32), QImage(w, h, QImage::Format_RGB32),
        QImage(w, h, QImage::Format_RGB32) };
    layers.height.fill(Qt::black);
    layers.gold.fill(Qt::black);
    layers.scratch.fill(Qt::black);
    drawScene(layers, s, data);

    const Field raw = redChannel(layers.height);
    const Field goldMask = gaussianBlur(redChannel(layers.gold), w, h, 0.35 * s);
    const Field scratch = gaussianBlur(redChannel(layers.scratch), w, h, 0.4 * s);

    // A rounded profile: a sharp core plus a softer shoulder.
    const Field sharp = gaussianBlur(raw, w, h, 0.55 * s);
    const Field soft = gaussianBlur(raw, w, h, 1.6 * s);

    // Soft shadow cast by the raised parts, away from the light.
    Field shifted(raw.size(), 0.0f);
    {
        const int ox = static_cast<int>(std::lround(1.3 * s));
        const int oy = static_cast<int>(std::lround(1.6 * s));
        for (int y = oy; y < h; ++y)
            for (int x = ox; x < w; ++x)
                shifted[static_cast<size_t>(y) * w + x] = raw[static_cast<size_t>(y - oy) * w + (x - ox)];
    }
    const Field shadow = gaussianBlur(shifted, w, h, 1.8 * s);

    // Total surface height, in logical pixels.
    Field height(raw.size());
    Field brushed(raw.size());
    Field patina(raw.size());
    for (int y = 0; y < h; ++y) {
        const double ly = (y + 0.5) / s;
        // The bottom strip is a shallow recess so it reads as a darker band.
        const double band = -0.9 * smoothstep(276.0, 279.5, ly);
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            const double lx = (x + 0.5) / s;
            const double brush = 0.45 * noise.fbm(lx * 0.012, ly * 0.75, 3)
                + 0.35 * noise.fbm(lx * 0.05 + 40, ly * 2.1, 2) + 0.20 * noise.at(lx * 0.15 + 70, ly * 4.5);
            brushed[i] = static_cast<float>(brush);
            patina[i] = static_cast<float>(noise.fbm(lx * 0.011 + 90, ly * 0.016 + 7, 4));
            // Gentle hammered undulation of the plate itself.
            const double wave = 0.35 * noise.fbm(lx * 0.03 + 300, ly * 0.03 + 300, 3);
            height[i] = static_cast<float>(
                0.78 * sharp[i] + 0.42 * soft[i] + band + wave + 0.035 * brush - 0.12 * scratch[i]);
        }
    }

    // Light from the upper left, viewer straight above.
    const double lxv = -0.55, lyv = -0.62, lzv = 0.56;
    const double ln = std::sqrt(lxv * lxv + lyv * lyv + lzv * lzv);
    const double Lx = lxv / ln, Ly = lyv / ln, Lz = lzv / ln;
    const double Hx = Lx, Hy = Ly, Hz = Lz + 1.0;
    const double hn = std::sqrt(Hx * Hx + Hy * Hy + Hz * Hz);

    const Rgb bronze { 0.082, 0.037, 0.012 };
    const Rgb gold { 0.44, 0.26, 0.07 };
    const Rgb goldSpec { 1.0, 0.78, 0.42 };
    const Rgb bronzeSpec { 0.60, 0.36, 0.16 };

    // Where the dialog writes white text, light falls off; see file comment.
    const QRectF textRows[] = { QRectF(16, 16, 244, 14), QRectF(16, 56, 404, 62) };

    std::vector<Rgb> lit(raw.size());
    const double bump = 3.6;
    for (int y = 0; y < h; ++y) {
        const int ym = std::max(0, y - 1), yp = std::min(h - 1, y + 1);
        const double ly = (y + 0.5) / s;
        for (int x = 0; x < w; ++x) {
            const int xm = std::max(0, x - 1), xp = std::min(w - 1, x + 1);
            const size_t i = static_cast<size_t>(y) * w + x;
            const double lx = (x + 0.5) / s;

            const double dx = (height[static_cast<size_t>(y) * w + xp] - height[static_cast<size_t>(y) * w + xm])
                * s / (xp - xm);
            const double dy = (height[static_cast<size_t>(yp) * w + x] - height[static_cast<size_t>(ym) * w + x])
                * s / (yp - ym);
            double nx = -bump * dx, ny = -bump * dy, nz = 1.0;
            const double nn = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nn, ny /= nn, nz /= nn;

            const double diffuse = std::max(0.0, nx * Lx + ny * Ly + nz * Lz);
            const double nh = std::max(0.0, (nx * Hx + ny * Hy + nz * Hz) / hn);

            // Broad illumination: a soft pool of light on the right, dimmer
            // towards the left and under the text rows.
            const double ex = (lx - 390) / 290, ey = (ly - 190) / 210;
            double ambient = 0.32 + 0.85 * std::exp(-(ex * ex + ey * ey));
            double veil = 0.0;
            for (const QRectF &r : textRows)
                veil = std::max(veil, rectCover(lx, ly, r, 40));
            ambient *= 1.0 - 0.25 * veil;
            ambient *= 1.0 - 0.45 * smoothstep(276.0, 280.0, ly);
            const double vig = std::hypot((lx - kWidth / 2.0) / kWidth, (ly - kHeight / 2.0) / kHeight);
            ambient *= 1.0 - 0.55 * smoothstep(0.28, 0.75, vig);

            const double occl = std::clamp((shadow[i] - raw[i]) * 1.4, 0.0, 1.0);
            const double shade = 1.0 - 0.55 * occl;

            const double g = std::clamp(static_cast<double>(goldMask[i]), 0.0, 1.0);
            const double tone = 1.0 + 0.28 * patina[i] + 0.10 * brushed[i];
            const Rgb alb { (bronze.r + (gold.r - bronze.r) * g) * tone,
                (bronze.g + (gold.g - bronze.g) * g) * tone, (bronze.b + (gold.b - bronze.b) * g) * tone };
            // Gold is polished (tight, strong highlight); bronze is brushed.
            const double specGold
                = (0.85 * std::pow(nh, 36.0) + 0.22 * std::pow(nh, 6.0)) * (1.0 + 0.35 * brushed[i]);
            // Brushing spreads the reflection of the light into a broad
            // vertical sheen; the streaks show mostly in that reflection.
            const double sx = (lx - 345) / 85, sy = (ly - 175) / 190;
            const double sheen = std::exp(-(sx * sx + sy * sy)) * (1.0 - 0.6 * veil);
            const double specBronze
                = std::max(0.0, (0.05 * std::pow(nh, 10.0) + 0.16 * sheen) * (1.0 + 1.6 * brushed[i]));
            const Rgb spc { goldSpec.r * specGold * g + bronzeSpec.r * specBronze * (1 - g),
                goldSpec.g * specGold * g + bronzeSpec.g * specBronze * (1 - g),
                goldSpec.b * specGold * g + bronzeSpec.b * specBronze * (1 - g) };

            const double light = (0.22 + 1.25 * diffuse) * shade * ambient;
            lit[i] = { alb.r * light + spc.r * ambient * shade, alb.g * light + spc.g * ambient * shade,
                alb.b * light + spc.b * ambient * shade };
        }
    }

    // Average down the oversampled result in linear light.
    const int ow = w / kOversample, oh = h / kOversample;
    QImage out(ow, oh, QImage::Format_RGB32);
    constexpr double kArea = kOversample * kOversample;
    for (int y = 0; y < oh; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < ow; ++x) {
            Rgb acc { 0, 0, 0 };
            for (int j = 0; j < kOversample; ++j)
                for (int k = 0; k < kOversample; ++k) {
                    const Rgb &p = lit[static_cast<size_t>(y * kOversample + j) * w + x * kOversample + k];
                    acc.r += p.r, acc.g += p.g, acc.b += p.b;
                }
            line[x] = qRgb(encodeSrgb(acc.r / kArea), encodeSrgb(acc.g / kArea), encodeSrgb(acc.b / kArea));
        }
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    // QPainterPath::addText needs the font database, hence an application
    // object; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    std::mt19937 rng(kSeed);
    const ValueNoise noise(rng);
    const SceneData data = makeSceneData(rng);

    struct Output {
        int scale;
        const char *name;
    };
    for (const Output &o : { Output { 1, "about.png" }, Output { 2, "about@2x.png" } }) {
        const QImage img = render(o.scale, data, noise);
        const QString path = dir.filePath(QString::fromLatin1(o.name));
        if (!img.save(path, "PNG", 0)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
    }
    return 0;
}
