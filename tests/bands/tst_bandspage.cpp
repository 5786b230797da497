#include "app/form1.h"
#include "bands/colorcode.h"
#include "testsupport.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

using namespace barvoznak;

namespace {

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

int colorByName(const QString &name)
{
    for (int c = 1; c <= bands::kColorCount; ++c)
        if (name == QLatin1String(bands::kColors[static_cast<std::size_t>(c - 1)].name))
            return c;
    return 0;
}

} // namespace

class TestBandsPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void clicksReadOut_data();
    void clicksReadOut();
    void modeShowsButtons_data();
    void modeShowsButtons();
    void fourBandsResetsBandFour();
    void fiveBandsResetsBandsFourAndFive();
    void threeBandsKeepsBandsFourAndFive();
    void goldBandThreeBecomesDigit_data();
    void goldBandThreeBecomesDigit();
    void sameColourAgainChangesNothing();
    void readoutBoxes_data();
    void readoutBoxes();
    void separatorFollowsLocale_data();
    void separatorFollowsLocale();

private:
    QPushButton *button(int band, const QString &colour) const;
    QString caption(const char *label) const { return form->findChild<QLabel *>(label)->text(); }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void clickBands(const QString &colours);
    int showingButtons() const;
    QColor shapeColor(int band) const;

    std::unique_ptr<Form1> form;
};

void TestBandsPage::init()
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void TestBandsPage::cleanup()
{
    form.reset();
    QLocale::setDefault(QLocale::c());
}

QPushButton *TestBandsPage::button(int band, const QString &colour) const
{
    return form->findChild<QPushButton *>(
        QStringLiteral("Command%1").arg(bands::buttonNumber(band, colorByName(colour))));
}

void TestBandsPage::clickBands(const QString &colours)
{
    const QStringList names = colours.split(QLatin1Char(','));
    for (int band = 1; band <= names.size(); ++band) {
        QPushButton *b = button(band, names[band - 1]);
        QVERIFY2(b && b->isVisible(), qPrintable(QStringLiteral("band %1 %2").arg(band).arg(names[band - 1])));
        click(b);
    }
}

int TestBandsPage::showingButtons() const
{
    int n = 0;
    for (QPushButton *b : form->findChildren<QPushButton *>())
        n += b->objectName().startsWith(QLatin1String("Command")) && b->isVisible();
    return n;
}

QColor TestBandsPage::shapeColor(int band) const
{
    auto *shape = form->findChild<BandShape *>(QStringLiteral("Shape%1").arg(band));
    // Fill and outline are always painted alike.
    return shape->fillColor() == shape->outlineColor() ? shape->fillColor() : QColor();
}

void TestBandsPage::startState()
{
    QCOMPARE(form->bandCount(), 5);
    QCOMPARE(form->bandColor(), (std::array<std::uint8_t, 5> { 2, 1, 1, 1, 2 }));
    QCOMPARE(form->bandValue(), (std::array<std::uint8_t, 5> { 1, 0, 0, 0, 1 }));
    QCOMPARE(caption("Label7"), QStringLiteral("100R"));
    QCOMPARE(caption("Label6"), QStringLiteral("100 ohmů"));
    QCOMPARE(caption("Label9"), QStringLiteral("100 ohmů"));
    QCOMPARE(caption("Label10"), QStringLiteral("±1 %"));
    QVERIFY(form->findChild<QRadioButton *>("Option3")->isChecked());
    QCOMPARE(showingButtons(), 49);
    const QColor brown = rgb(192, 64, 0), black = rgb(0, 0, 0);
    QCOMPARE(shapeColor(1), brown);
    QCOMPARE(shapeColor(2), black);
    QCOMPARE(shapeColor(3), black);
    QCOMPARE(shapeColor(4), black);
    QCOMPARE(shapeColor(5), brown);
    for (int band = 1; band <= 5; ++band)
        QVERIFY(form->findChild<BandShape *>(QStringLiteral("Shape%1").arg(band))->isVisible());
}

void TestBandsPage::clicksReadOut_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");

    QTest::newRow("5 start colours") << "Option3"
                                     << "brown,black,black,black,brown"
                                     << "100R"
                                     << "100 ohmů"
                                     << "±1 %";
    QTest::newRow("4 yellow violet red gold") << "Option2"
                                              << "yellow,violet,red,gold"
                                              << "4K7"
                                              << "4,7 kiloohmů"
                                              << "±5 %";
    QTest::newRow("4 grey yellow red silver") << "Option2"
                                              << "grey,yellow,red,silver"
                                              << "8K4"
                                              << "8,4 kiloohmů"
                                              << "±10 %";
    QTest::newRow("3 brown black silver") << "Option1"
                                          << "brown,black,silver"
                                          << "R10"
                                          << "0,1 ohmů"
                                          << "±20 %";
    QTest::newRow("3 white white white") << "Option1"
                                         << "white,white,white"
                                         << "99G"
                                         << "99 Gigaohmů"
                                         << "±20 %";
    QTest::newRow("5 brown black black silver red") << "Option3"
                                                    << "brown,black,black,silver,red"
                                                    << "1R00"
                                                    << "1 ohmů"
                                                    << "±2 %";
    QTest::newRow("5 red red black yellow brown") << "Option3"
                                                  << "red,red,black,yellow,brown"
                                                  << "2M20"
                                                  << "2,2 megaohmů"
                                                  << "±1 %";
    QTest::newRow("5 white white white white grey") << "Option3"
                                                    << "white,white,white,white,grey"
                                                    << "999G"
                                                    << "999 Gigaohmů"
                                                    << "±0.05 %";
    QTest::newRow("4 brown black brown brown") << "Option2"
                                               << "brown,black,brown,brown"
                                               << "100R"
                                               << "100 ohmů"
                                               << "±1 %";
}

void TestBandsPage::clicksReadOut()
{
    QFETCH(QString, option);
    QFETCH(QString, bands);
    QFETCH(QString, marking);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);

    click(form->findChild<QRadioButton *>(option));
    clickBands(bands);
    QCOMPARE(caption("Label7"), marking);
    QCOMPARE(caption("Label6"), value);
    QCOMPARE(caption("Label9"), value);
    QCOMPARE(caption("Label10"), tolerance);
    for (std::size_t i = 0; i < 5; ++i)
        QCOMPARE(form->bandValue()[i], form->bandColor()[i] - 1);
    const QStringList names = bands.split(QLatin1Char(','));
    for (int band = 1; band <= names.size(); ++band) {
        const std::uint32_t bgr
            = bands::colorInfo(static_cast<bands::ColorIndex>(colorByName(names[band - 1]))).value;
        QCOMPARE(shapeColor(band), rgb(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16));
    }
    // The value label under the resistor stays centred under the body as its text changes.
    auto *label9 = form->findChild<QLabel *>("Label9");
    QVERIFY(qAbs(label9->x() * 2 + label9->width() - (231 * 2 + 49)) <= 1);
}

void TestBandsPage::modeShowsButtons_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("showing");
    QTest::addColumn<bool>("shape4");
    QTest::addColumn<bool>("shape5");
    QTest::addColumn<QStringList>("hidden");
    QTest::newRow("three bands") << "Option1" << 31 << false << false << QStringList { "Command37", "Command50" };
    QTest::newRow("four bands") << "Option2" << 39 << true << false
                                << QStringList { "Command37", "Command40", "Command41", "Command46", "Command60" };
    QTest::newRow("five bands") << "Option3" << 49 << true << true << QStringList { "Command35", "Command36" };
}

void TestBandsPage::modeShowsButtons()
{
    QFETCH(QString, option);
    QFETCH(int, showing);
    QFETCH(bool, shape4);
    QFETCH(bool, shape5);
    QFETCH(QStringList, hidden);

    // From every mode into the one under test, the same buttons show.
    for (const char *from : { "Option1", "Option2", "Option3" }) {
        click(form->findChild<QRadioButton *>(from));
        click(form->findChild<QRadioButton *>(option));
        QVERIFY(form->findChild<QRadioButton *>(option)->isChecked());
        QCOMPARE(showingButtons(), showing);
        QCOMPARE(form->findChild<QWidget *>("Shape4")->isVisible(), shape4);
        QCOMPARE(form->findChild<QWidget *>("Shape5")->isVisible(), shape5);
        for (const QString &name : hidden)
            QVERIFY2(!form->findChild<QWidget *>(name)->isVisible(), qPrintable(name));
        QVERIFY(form->findChild<QWidget *>("Command2")->isVisible());
        QVERIFY(form->findChild<QWidget *>("Command13")->isVisible());
    }
}

void TestBandsPage::fourBandsResetsBandFour()
{
    click(form->findChild<QRadioButton *>("Option2"));
    clickBands(QStringLiteral("red,red,orange,green"));
    QCOMPARE(caption("Label10"), QStringLiteral("±0.5 %"));
    // Choosing four bands again, while already in four-band mode, resets band 4 to brown.
    click(form->findChild<QRadioButton *>("Option2"));
    QCOMPARE(form->bandColor()[3], 2);
    QCOMPARE(form->bandValue()[3], 1);
    QCOMPARE(shapeColor(4), rgb(192, 64, 0));
    QCOMPARE(caption("Label10"), QStringLiteral("±1 %"));
    QCOMPARE(caption("Label7"), QStringLiteral("22K"));
}

void TestBandsPage::fiveBandsResetsBandsFourAndFive()
{
    clickBands(QStringLiteral("red,red,orange,blue,silver"));
    QCOMPARE(caption("Label7"), QStringLiteral("223M"));
    click(form->findChild<QRadioButton *>("Option3"));
    QCOMPARE(form->bandColor(), (std::array<std::uint8_t, 5> { 3, 3, 4, 1, 2 }));
    QCOMPARE(form->bandValue(), (std::array<std::uint8_t, 5> { 2, 2, 3, 0, 1 }));
    QCOMPARE(shapeColor(4), rgb(0, 0, 0));
    QCOMPARE(shapeColor(5), rgb(192, 64, 0));
    QCOMPARE(caption("Label7"), QStringLiteral("223R"));
    QCOMPARE(caption("Label10"), QStringLiteral("±1 %"));
}

void TestBandsPage::threeBandsKeepsBandsFourAndFive()
{
    clickBands(QStringLiteral("brown,black,red,green,gold"));
    click(form->findChild<QRadioButton *>("Option1"));
    QCOMPARE(form->bandColor(), (std::array<std::uint8_t, 5> { 2, 1, 3, 6, 11 }));
    QCOMPARE(caption("Label7"), QStringLiteral("1K0"));
    QCOMPARE(caption("Label6"), QStringLiteral("1 kiloohmů"));
    QCOMPARE(caption("Label10"), QStringLiteral("±20 %"));
    // A click in three-band mode repaints the hidden shapes from their stored colours.
    click(button(3, QStringLiteral("orange")));
    QCOMPARE(shapeColor(4), rgb(0, 255, 0));
    QCOMPARE(shapeColor(5), rgb(227, 203, 64));
    // Five to four bands leaves band 5 in the state; its shape hides.
    click(form->findChild<QRadioButton *>("Option3"));
    click(form->findChild<QRadioButton *>("Option2"));
    QCOMPARE(form->bandColor()[4], 2);
    QVERIFY(!form->findChild<QWidget *>("Shape5")->isVisible());
}

void TestBandsPage::goldBandThreeBecomesDigit_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("colour");
    QTest::newRow("gold from four bands") << "Option2"
                                          << "gold";
    QTest::newRow("silver from three bands") << "Option1"
                                             << "silver";
}

// A gold or silver multiplier cannot stay on as the third digit of five bands (it would read 1010R).
void TestBandsPage::goldBandThreeBecomesDigit()
{
    QFETCH(QString, option);
    QFETCH(QString, colour);
    click(form->findChild<QRadioButton *>(option));
    click(button(3, colour));
    click(form->findChild<QRadioButton *>("Option3"));
    QCOMPARE(form->bandColor()[2], 1);
    QCOMPARE(form->bandValue()[2], 0);
    QCOMPARE(shapeColor(3), rgb(0, 0, 0));
    QCOMPARE(caption("Label7"), QStringLiteral("100R"));
    QCOMPARE(caption("Label6"), QStringLiteral("100 ohmů"));
}

void TestBandsPage::sameColourAgainChangesNothing()
{
    clickBands(QStringLiteral("brown,black,black,black,brown"));
    QCOMPARE(form->bandColor(), (std::array<std::uint8_t, 5> { 2, 1, 1, 1, 2 }));
    QCOMPARE(caption("Label6"), QStringLiteral("100 ohmů"));
    // The band 3 red button of band 1 is taller than the others; a click on its lower part still counts.
    QPushButton *red = button(1, QStringLiteral("red"));
    QTest::mouseClick(red, Qt::LeftButton, {}, QPoint(red->width() / 2, red->height() - 3));
    QCOMPARE(form->bandColor()[0], 3);
}

void TestBandsPage::readoutBoxes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("value") << "Label6"
                           << "Hodnota odporu je :"
                           << "4,7 kiloohmů";
    QTest::newRow("marking") << "Label7"
                             << "Zkrácené značení je :"
                             << "4K7";
    QTest::newRow("tolerance") << "Label10"
                               << "Tolerance odporu je :"
                               << "±5 %";
}

void TestBandsPage::readoutBoxes()
{
    QFETCH(QString, label);
    QFETCH(QString, title);
    QFETCH(QString, text);
    click(form->findChild<QRadioButton *>("Option2"));
    clickBands(QStringLiteral("yellow,violet,red,gold"));
    const auto box = testsupport::closeNextMessageBox([&] { click(form->findChild<QLabel *>(label)); });
    QVERIFY(box.seen);
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.hasOk);
    // The box changes nothing.
    QCOMPARE(caption(qPrintable(label)), text);
    QCOMPARE(form->bandColor(), (std::array<std::uint8_t, 5> { 5, 8, 3, 11, 2 }));
}

void TestBandsPage::separatorFollowsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("value");
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::Czechia) << "4,7 kiloohmů";
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << "4.7 kiloohmů";
}

void TestBandsPage::separatorFollowsLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, value);
    QLocale::setDefault(locale);
    click(form->findChild<QRadioButton *>("Option2"));
    clickBands(QStringLiteral("yellow,violet,red,green"));
    QCOMPARE(caption("Label6"), value);
    QCOMPARE(caption("Label10"), QStringLiteral("±0.5 %"));
}

BARVOZNAK_GUI_TEST_MAIN(TestBandsPage)
#include "tst_bandspage.moc"
