#include "app/design.h"
#include "rules/readout.h"
#include "table.h"

#include <cmath>

using namespace barvoznak::bands;
using barvoznak::design::buttonShown;
using BandValues = BandBytes;

class TestReadout : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void everyStateTheButtonsMake();
};

void TestReadout::examples_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QString>("bands"); // from band 1; bands not listed are black, "-" is beyond every table
    QTest::addColumn<QString>("readout"); // marking | value | tolerance; "-" where the caption is kept
    row("start state", 5, "brown,black,black,black,brown", "100R | 100 ohmů | ±1 %");
    row("4K7", 4, "yellow,violet,red,gold", "4K7 | 4,7 kiloohmů | ±5 %");
    row("8K4", 4, "grey,yellow,red,silver", "8K4 | 8,4 kiloohmů | ±10 %");
    // Three bands have no tolerance band: the colour code reads that as ±20 %.
    row("three bands, smallest", 3, "brown,black,silver", "R10 | 0,1 ohmů | ±20 %");
    row("three bands, largest", 3, "white,white,white", "99G | 99 Gigaohmů | ±20 %");
    row("five bands, smallest", 5, "brown,black,black,silver,red", "1R00 | 1 ohmů | ±2 %");
    row("five bands, the lower-case mega row", 5, "red,red,black,yellow,brown", "2M20 | 2,2 megaohmů | ±1 %");
    row("five bands, largest", 5, "white,white,white,white,grey", "999G | 999 Gigaohmů | ±0.05 %");
    row("four bands, 100R", 4, "brown,black,brown,brown", "100R | 100 ohmů | ±1 %");
    row("five bands read as three", 3, "brown,black,red,black,brown", "1K0 | 1 kiloohmů | ±20 %");
    row("green tolerance", 5, "brown,black,black,gold,green", "10R0 | 10 ohmů | ±0.5 %");
    row("blue tolerance", 5, "brown,black,black,brown,blue", "1K00 | 1 kiloohmů | ±0.25 %");
    row("violet tolerance", 5, "brown,red,orange,red,violet", "12K3 | 12,3 kiloohmů | ±0.1 %");
    row("gold as a third digit writes two", 5, "brown,black,gold,black,brown", "1010R | 1010 ohmů | ±1 %");
    row("no tolerance colour keeps the caption", 4, "brown,black,black,black", "10R | 10 ohmů | -");
    row("multiplier beyond the table", 5, "brown,black,black,-,brown", "- | - | ±1 %");
}

void TestReadout::examples()
{
    QFETCH(int, bandCount);
    QFETCH(QString, bands);
    QFETCH(QString, readout);
    BandValues v {};
    for (int band = 1; const QString &name : bands.split(u','))
        v[band++] = std::uint8_t(colourIndex(name) - 1);
    const Readout r = readBands(bandCount, v, QStringLiteral(","));
    const QString kept = QStringLiteral("-");
    QCOMPARE(QStringList({ r.marking.value_or(kept), r.value.value_or(kept), r.tolerance.value_or(kept) }),
        readout.split(QStringLiteral(" | ")));
}

// Over every state the mode's buttons can make, the value and the marking tell the resistance the colour
// code gives: the digits times ten to the multiplier's code (gold 10^-1, silver 10^-2), in ohms.
void TestReadout::everyStateTheButtonsMake()
{
    const QStringList units { "ohmů", "kiloohmů", "megaohmů", "gigaohmů" }, letters { "R", "K", "M", "G" };
    for (int bandCount = 3; bandCount <= 5; ++bandCount) {
        const int digitBands = bandCount == 5 ? 3 : 2;
        for (int n = 0; n < 12 * 12 * 12 * 12 * 12; ++n) {
            BandValues v {};
            bool offered = true;
            for (int band = 1, rest = n; band <= 5; ++band, rest /= 12) {
                v[band] = std::uint8_t(rest % 12);
                offered
                    = offered && (band > bandCount ? rest % 12 == 0 : buttonShown(bandCount, band, rest % 12 + 1));
            }
            if (!offered)
                continue;
            const Readout r = readBands(bandCount, v, QStringLiteral(","));
            QVERIFY(r.value && r.marking && r.tolerance);
            double ohms = 0;
            for (int band = 1; band <= digitBands; ++band)
                ohms = ohms * 10 + v[band];
            const int code = v[digitBands + 1];
            ohms *= std::pow(10.0, code <= 9 ? code : 9 - code);
            const double scale = std::pow(1000.0, units.indexOf(r.value->section(u' ', 1).toLower()));
            const double value = r.value->section(u' ', 0, 0).replace(u',', u'.').toDouble();
            QVERIFY2(scale >= 1 && qFuzzyCompare(value * scale, ohms), qPrintable(*r.value));
            // The marking's letter names the same unit and stands where the decimal point falls.
            QString marking = *r.marking;
            const QString letter = QString(marking).removeIf([](QChar ch) { return ch.isDigit(); });
            QCOMPARE(std::pow(1000.0, letters.indexOf(letter)), scale);
            QVERIFY2(qFuzzyCompare(marking.replace(letter, QStringLiteral(".")).toDouble() * scale, ohms),
                qPrintable(*r.marking));
        }
    }
}

QTEST_GUILESS_MAIN(TestReadout)
#include "tst_readout.moc"
