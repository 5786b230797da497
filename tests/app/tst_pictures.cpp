#include "testsupport.h"

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

// The pictures come from sources of at least twice their shown size, so they stay crisp at 200 %, and the
// resistor drawing has its body exactly where the band shapes are laid over it.
class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sourcesScale_data();
    void sourcesScale();
    void resistorOutline_data();
    void resistorOutline();
    void resistorInsideIsTransparent();

private:
    QImage render(const QString &svg, qreal scale) const;
    QImage resistor;
};

QImage TestPictures::render(const QString &svg, qreal scale) const
{
    QSvgRenderer renderer(svg);
    QImage image((QSizeF(renderer.defaultSize()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

void TestPictures::initTestCase()
{
    resistor = render(QStringLiteral(":/assets/resistor.svg"), 1);
    QCOMPARE(resistor.size(), QSize(490, 91));
}

void TestPictures::sourcesScale_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("resistor drawing") << ":/assets/resistor.svg" << QSize(490, 91);
    QTest::newRow("chip drawing") << ":/assets/chip.svg" << QSize(237, 139);
    QTest::newRow("window icon") << ":/assets/icon.svg" << QSize(32, 32);
    QTest::newRow("About picture") << ":/assets/about.png" << QSize(485, 293);
}

void TestPictures::sourcesScale()
{
    QFETCH(QString, source);
    QFETCH(QSize, shown);
    if (source.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer renderer(source);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), shown);
        // Vectors: drawn at twice the size, the picture is as sharp as at its own size.
        QCOMPARE(render(source, 2).size(), shown * 2);
        return;
    }
    QCOMPARE(QImageReader(source).size(), shown);
    QString twice = source;
    twice.insert(twice.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    QCOMPARE(QImageReader(twice).size(), shown * 2);
}

void TestPictures::resistorOutline_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("left end at mid height") << QPoint(173, 22) << true;
    QTest::newRow("right end at mid height") << QPoint(316, 22) << true;
    QTest::newRow("left of the body") << QPoint(171, 10) << false;
    QTest::newRow("right of the body") << QPoint(318, 10) << false;
    QTest::newRow("left wide section top") << QPoint(200, 0) << true;
    QTest::newRow("left wide section bottom") << QPoint(200, 45) << true;
    QTest::newRow("right wide section top") << QPoint(290, 0) << true;
    QTest::newRow("below the body") << QPoint(200, 47) << false;
    QTest::newRow("middle section top") << QPoint(245, 5) << true;
    QTest::newRow("above the middle section") << QPoint(245, 2) << false;
    QTest::newRow("middle section bottom") << QPoint(245, 40) << true;
    QTest::newRow("under the middle section") << QPoint(245, 43) << false;
    QTest::newRow("lead top at the left") << QPoint(100, 19) << true;
    QTest::newRow("lead bottom at the left") << QPoint(100, 26) << true;
    QTest::newRow("inside the lead") << QPoint(100, 22) << false;
    QTest::newRow("lead top at the right") << QPoint(350, 19) << true;
}

void TestPictures::resistorOutline()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, drawn);
    const QColor c = resistor.pixelColor(pixel);
    if (drawn)
        QVERIFY2(c.alpha() > 200 && c.value() < 80, qPrintable(c.name(QColor::HexArgb)));
    else
        QVERIFY2(c.alpha() < 40, qPrintable(c.name(QColor::HexArgb)));
}

// The page colour shows through everywhere but on the lines, also inside the body and where the value
// label stands under it.
void TestPictures::resistorInsideIsTransparent()
{
    for (int x = 219; x < 271; ++x)
        for (int y = 7; y < 39; ++y)
            QVERIFY(resistor.pixelColor(x, y).alpha() == 0);
    for (int x = 200; x < 290; ++x)
        for (int y = 49; y < 66; ++y)
            QVERIFY(resistor.pixelColor(x, y).alpha() == 0);
}

BARVOZNAK_GUI_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"
