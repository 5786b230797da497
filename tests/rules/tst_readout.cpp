#include "rules/readout.h"
#include "table.h"

#include <cmath>

using namespace barvoznak::bands;
using enum Colour;

struct Example {
    const char *tag;
    int bandCount;
    Colours bands; // bands not given are black
    QString marking, value, tolerance; // an empty text: the caption is kept
};
Q_DECLARE_METATYPE(Example)

class TestReadout : public QObject {
    Q_OBJECT
private slots:
    void examples_data()
    {
        // Three bands have no tolerance band: the colour code reads that as ±20 %.
        const Example table[] {
            { "8K4", 4, { grey, yellow, red, silver }, "8K4", "8,4 kiloohmů", "±10 %" },
            { "three bands, smallest", 3, { brown, black, silver }, "R10", "0,1 ohmů", "±20 %" },
            { "three bands, largest", 3, { white, white, white }, "99G", "99 Gigaohmů", "±20 %" },
            { "five bands, smallest", 5, { brown, black, black, silver, red }, "1R00", "1 ohmů", "±2 %" },
            { "five bands, mega in lower case", 5, { red, red, black, yellow, brown }, "2M20", "2,2 megaohmů",
                "±1 %" },
            { "five bands, largest", 5, { white, white, white, white, grey }, "999G", "999 Gigaohmů", "±0.05 %" },
            { "four bands, 100R", 4, { brown, black, brown, brown }, "100R", "100 ohmů", "±1 %" },
            { "green tolerance", 5, { brown, black, black, gold, green }, "10R0", "10 ohmů", "±0.5 %" },
            { "blue tolerance", 5, { brown, black, black, brown, blue }, "1K00", "1 kiloohmů", "±0.25 %" },
            { "violet tolerance", 5, { brown, red, orange, red, violet }, "12K3", "12,3 kiloohmů", "±0.1 %" },
            { "gold as a third digit writes two", 5, { brown, black, gold, black, brown }, "1010R", "1010 ohmů",
                "±1 %" },
            { "no tolerance colour keeps the caption", 4, { brown, black, black, black }, "10R", "10 ohmů", "" },
        };
        rows(table);
    }
    void examples()
    {
        QFETCH(Example, row);
        BandBytes codeValues {}; // a colour's place in the code, black 0 to silver 11
        for (int band = 1; Colour c : row.bands)
            codeValues[band++] = std::uint8_t(int(c) - 1);
        const Readout r = readBands(row.bandCount, codeValues, QStringLiteral(","));
        QCOMPARE(r.marking.value_or(QString()), row.marking);
        QCOMPARE(r.value.value_or(QString()), row.value);
        QCOMPARE(r.tolerance.value_or(QString()), row.tolerance);
    }

    // Every state the buttons offer (first digit brown to white, the others black to white, any multiplier):
    // the digits times ten to the multiplier's place in the code (gold 10^-1, silver 10^-2) ohms, in the
    // largest unit (a power of a thousand) not above the first digit's place, written with a comma; the
    // marking writes the digits with the unit's letter where the decimal point falls. Only five bands with a
    // yellow multiplier write mega in lower case. A multiplier beyond the code leaves the captions as they are.
    void everyValueTheButtonsOffer()
    {
        const QStringList units { "ohmů", "kiloohmů", "Megaohmů", "Gigaohmů" }, letters { "R", "K", "M", "G" };
        for (int bandCount = 3; bandCount <= 5; ++bandCount) {
            const int digitBands = bandCount == 5 ? 3 : 2, first = digitBands == 3 ? 100 : 10;
            for (int digits = first; digits < 10 * first; ++digits)
                for (int multiplier = 0; multiplier <= 12; ++multiplier) {
                    const QString digitText = QString::number(digits);
                    BandBytes v {};
                    for (int band = 1; band <= digitBands; ++band)
                        v[band] = std::uint8_t(digitText[band - 1].digitValue());
                    v[digitBands + 1] = std::uint8_t(multiplier);
                    const Readout r = readBands(bandCount, v, QStringLiteral(","));
                    if (multiplier == 12) {
                        QVERIFY(!r.value && !r.marking);
                        continue;
                    }
                    const int power = multiplier <= 9 ? multiplier : 9 - multiplier;
                    const int unit = std::max(0, (power + digitBands - 1) / 3), exponent = power - 3 * unit;
                    const QString word = bandCount == 5 && multiplier == 4 ? "megaohmů" : units[unit];
                    QCOMPARE(*r.value,
                        QString::number(digits * std::pow(10.0, exponent), 'g', 6).replace(u'.', u',') + u' '
                            + word);
                    const QString padded = digitText + QString(std::max(exponent, 0), u'0');
                    QCOMPARE(
                        *r.marking, QString(padded).insert(padded.size() + std::min(exponent, 0), letters[unit]));
                }
        }
    }
};

QTEST_GUILESS_MAIN(TestReadout)
#include "tst_readout.moc"
