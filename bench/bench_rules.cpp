// Costs of the decoding work behind one user action: reading the bands (what UpdateReadout asks of the
// rules), decoding an SMD code, and the same through the window (a colour button click, a code set in its
// box), with and without the repaint that follows. Run by hand; never part of the tests.

#include "app/application.h"
#include "app/form1.h"
#include "rules/readout.h"
#include "rules/smdcode.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace barvoznak;

class BenchRules : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia)); }
    void readBands_data();
    void readBands();
    void decode_data();
    void decode();
    void colourClick_data();
    void colourClick();
    void codeEntry_data();
    void codeEntry();
};

void BenchRules::readBands_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QList<int>>("values");
    QTest::newRow("3 bands 1K0") << 3 << QList<int> { 1, 0, 2, 0, 0 };
    QTest::newRow("4 bands 4K7") << 4 << QList<int> { 4, 7, 2, 10, 0 };
    QTest::newRow("5 bands 12K3") << 5 << QList<int> { 1, 2, 3, 2, 7 };
    QTest::newRow("5 bands 1R23") << 5 << QList<int> { 1, 2, 3, 11, 1 };
}

void BenchRules::readBands()
{
    QFETCH(int, bandCount);
    QFETCH(QList<int>, values);
    bands::BandBytes v;
    for (int band = 1; band <= bands::kBandTotal; ++band)
        v[band] = static_cast<std::uint8_t>(values[band - 1]);
    QString value;
    QBENCHMARK
    {
        const bands::Readout r = bands::readBands(bandCount, v, localeDecimalSeparator());
        value = *r.value;
    }
    QVERIFY(!value.isEmpty());
}

void BenchRules::decode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("fourChar");
    QTest::newRow("472") << "472" << false;
    QTest::newRow("4R7") << "4R7" << false;
    QTest::newRow("47 emoji") << "47😀" << false;
    QTest::newRow("2204") << "2204" << true;
    QTest::newRow("9E99") << "9E99" << true;
    QTest::newRow("&HFF") << "&HFF" << true;
}

void BenchRules::decode()
{
    QFETCH(QString, code);
    QFETCH(bool, fourChar);
    const auto form = fourChar ? smd::CodeForm::FourChar : smd::CodeForm::ThreeChar;
    std::optional<QString> caption;
    QBENCHMARK { caption = smd::decode(code, form, localeDecimalSeparator()); }
    QVERIFY(caption);
}

void BenchRules::colourClick_data()
{
    QTest::addColumn<bool>("repaint");
    QTest::newRow("click") << false;
    QTest::newRow("click and repaint") << true;
}

// One full UpdateReadout as a user causes it: two multiplier buttons (band 4 of five) in turn, so every
// click changes the read-out and its labels resize; then, if asked, the repaint of what changed.
void BenchRules::colourClick()
{
    QFETCH(bool, repaint);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *red = form.findChild<QPushButton *>(QStringLiteral("Command39"));
    auto *silver = form.findChild<QPushButton *>(QStringLiteral("Command48"));
    QVERIFY(red && silver && red->isVisible() && silver->isVisible());
    bool flip = false;
    QBENCHMARK
    {
        QTest::mouseClick(flip ? red : silver, Qt::LeftButton);
        flip = !flip;
        if (repaint)
            QCoreApplication::processEvents();
    }
}

void BenchRules::codeEntry_data()
{
    QTest::addColumn<bool>("repaint");
    QTest::newRow("set") << false;
    QTest::newRow("set and repaint") << true;
}

// A whole code put in the three-character box, alternating so each one decodes anew; then, if asked, the
// repaint of what changed.
void BenchRules::codeEntry()
{
    QFETCH(bool, repaint);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    auto *box = form.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(box);
    bool flip = false;
    QBENCHMARK
    {
        box->setText(flip ? QStringLiteral("472") : QStringLiteral("4R7"));
        flip = !flip;
        if (repaint)
            QCoreApplication::processEvents();
    }
}

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    barvoznak::setUpApplication();
    BenchRules bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_rules.moc"
