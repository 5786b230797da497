#include "app/form1.h"
#include "bands/colorcode.h"
#include "testsupport.h"

#include <QLabel>
#include <QLocale>
#include <QRadioButton>

#include <algorithm>

using namespace barvoznak;
using Bands = std::array<std::uint8_t, 5>;

namespace {

// One table row on one line; C strings fill QString columns as UTF-8.
template <typename... Cells> void row(const char *tag, Cells... cells) { (QTest::newRow(tag) << ... << cells); }

// Colour indices from colour names, listed from band 1.
Bands colorsOf(const QString &colours)
{
    Bands c {};
    for (std::size_t band = 0; const QString &name : colours.split(QLatin1Char(',')))
        for (int i = 1; i <= bands::kColorCount; ++i)
            if (name == QLatin1String(bands::kColors[static_cast<std::size_t>(i - 1)].name))
                c[band++] = static_cast<std::uint8_t>(i);
    return c;
}

QColor paint(int colorIndex)
{
    const std::uint32_t bgr = bands::colorInfo(static_cast<bands::ColorIndex>(colorIndex)).value;
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16);
}

int showingButtons(const Form1 &form)
{
    const QList<ColorButton *> buttons = form.findChildren<ColorButton *>();
    return int(std::count_if(buttons.begin(), buttons.end(), [](QWidget *b) { return b->isVisible(); }));
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
    void readoutBoxes_data();
    void readoutBoxes();

private:
    QString text(const char *label) const { return form->findChild<QLabel *>(label)->text(); }
    // Marking, value, value under the body, tolerance.
    QStringList readout() const { return { text("Label7"), text("Label6"), text("Label9"), text("Label10") }; }
    void choose(const QString &o) { QTest::mouseClick(form->findChild<QRadioButton *>(o), Qt::LeftButton); }
    void clickBands(const QString &colours);
    BandShape *shape(int band) const { return form->findChild<BandShape *>(QStringLiteral("Shape%1").arg(band)); }

    std::unique_ptr<Form1> form;
};

void TestBandsPage::init() { QVERIFY(testsupport::openWindow(form)); }

void TestBandsPage::cleanup() { testsupport::closeWindow(form); }

void TestBandsPage::clickBands(const QString &colours)
{
    const Bands c = colorsOf(colours);
    for (std::size_t i = 0; i <= std::size_t(colours.count(QLatin1Char(','))); ++i) {
        auto *b = form->findChild<ColorButton *>(
            QStringLiteral("Command%1").arg(bands::buttonNumber(int(i) + 1, c[i])));
        QVERIFY2(b && b->isVisible(), qPrintable(colours));
        // Whatever is under the pointer near the lower edge takes the click: the tall red button of band 1 stands
        // over the orange one.
        const QPoint at = b->mapTo(form.get(), QPoint(b->width() / 2, b->height() - 3));
        QTest::mouseClick(form->childAt(at), Qt::LeftButton, {}, form->childAt(at)->mapFrom(form.get(), at));
        QCOMPARE(form->bandColor()[i], c[i]);
    }
}

// The rest of the start state is the first row of clicksReadOut.
void TestBandsPage::startState()
{
    QCOMPARE(form->bandCount(), 5);
    QVERIFY(form->findChild<QRadioButton *>("Option3")->isChecked());
    QCOMPARE(showingButtons(*form), 49);
    QCOMPARE(shape(1)->fillColor(), QColor(192, 64, 0));
    QVERIFY(shape(4)->isVisible() && shape(5)->isVisible());
}

void TestBandsPage::clicksReadOut_data()
{
    // Steps: options to click and colours to click from band 1 on; then the band colours and the read-out.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("colours");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    row("start state", "cs_CZ", "", "brown,black,black,black,brown", "100R", "100 ohmů", "±1 %");
    row("4 yellow violet red gold", "cs_CZ", "Option2 yellow,violet,red,gold", "yellow,violet,red,gold,brown",
        "4K7", "4,7 kiloohmů", "±5 %");
    row("3 brown black silver", "cs_CZ", "Option1 brown,black,silver", "brown,black,silver,black,brown", "R10",
        "0,1 ohmů", "±20 %");
    row("5 red red black yellow brown", "cs_CZ", "red,red,black,yellow,brown", "red,red,black,yellow,brown",
        "2M20", "2,2 megaohmů", "±1 %");
    row("5 white white white white grey", "cs_CZ", "white,white,white,white,grey", "white,white,white,white,grey",
        "999G", "999 Gigaohmů", "±0.05 %");
    row("English separator, tolerance keeps its period", "en_US", "Option2 yellow,violet,red,green",
        "yellow,violet,red,green,brown", "4K7", "4.7 kiloohmů", "±0.5 %");
    row("four bands again resets band 4", "cs_CZ", "Option2 red,red,orange,green Option2",
        "red,red,orange,brown,brown", "22K", "22 kiloohmů", "±1 %");
    row("five bands again resets bands 4 and 5", "cs_CZ", "red,red,orange,blue,silver Option3",
        "red,red,orange,black,brown", "223R", "223 ohmů", "±1 %");
    row("five to four bands resets band 4 only", "cs_CZ", "red,red,orange,blue,silver Option2",
        "red,red,orange,brown,silver", "22K", "22 kiloohmů", "±1 %");
    row("three bands keep bands 4 and 5", "cs_CZ", "brown,black,red,green,gold Option1",
        "brown,black,red,green,gold", "1K0", "1 kiloohmů", "±20 %");
    // A gold or silver multiplier cannot stay on as the third digit of five bands (it would read 1010R).
    row("gold band 3 from four to five bands", "cs_CZ", "Option2 brown,black,gold Option3",
        "brown,black,black,black,brown", "100R", "100 ohmů", "±1 %");
    row("silver band 3 from three to five bands", "cs_CZ", "Option1 brown,black,silver Option3",
        "brown,black,black,black,brown", "100R", "100 ohmů", "±1 %");
}

void TestBandsPage::clicksReadOut()
{
    QFETCH(QString, locale);
    QFETCH(QString, steps);
    QFETCH(QString, colours);
    QFETCH(QString, marking);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QLocale::setDefault(QLocale(locale));
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        step.startsWith(QLatin1String("Option")) ? choose(step) : clickBands(step);
    QCOMPARE(readout(), QStringList({ marking, value, value, tolerance }));
    // Hidden bands keep their colour and shape paint too.
    const Bands want = colorsOf(colours);
    QCOMPARE(form->bandColor(), want);
    for (std::size_t i = 0; i < 5; ++i) {
        QCOMPARE(form->bandValue()[i], want[i] - 1);
        QCOMPARE(shape(int(i) + 1)->fillColor(), paint(want[i]));
        QCOMPARE(shape(int(i) + 1)->outlineColor(), paint(want[i]));
    }
    // The value under the resistor stays centred under the body as its text changes.
    auto *label9 = form->findChild<QLabel *>("Label9");
    QVERIFY(qAbs(label9->x() * 2 + label9->width() - (231 * 2 + 49)) <= 1);
}

void TestBandsPage::modeShowsButtons_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("showing");
    QTest::addColumn<int>("shapes");
    QTest::addColumn<QStringList>("hidden");
    row("three bands", "Option1", 31, 3, QStringList { "Command37", "Command50" });
    row("four bands", "Option2", 39, 4,
        QStringList { "Command37", "Command40", "Command41", "Command46", "Command60" });
    row("five bands", "Option3", 49, 5, QStringList { "Command35", "Command36" });
}

void TestBandsPage::modeShowsButtons()
{
    QFETCH(QString, option);
    QFETCH(int, showing);
    QFETCH(int, shapes);
    QFETCH(QStringList, hidden);
    // From every mode into the one under test, the same buttons show.
    for (const char *from : { "Option1", "Option2", "Option3" }) {
        choose(from);
        choose(option);
        QVERIFY(form->findChild<QRadioButton *>(option)->isChecked());
        QCOMPARE(showingButtons(*form), showing);
        for (int band = 1; band <= 5; ++band)
            QCOMPARE(shape(band)->isVisible(), band <= shapes);
        for (const QString &name : hidden)
            QVERIFY2(!form->findChild<QWidget *>(name)->isVisible(), qPrintable(name));
    }
}

void TestBandsPage::readoutBoxes_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    row("value", "Label6", "Hodnota odporu je :", "4,7 kiloohmů");
    row("marking", "Label7", "Zkrácené značení je :", "4K7");
    row("tolerance", "Label10", "Tolerance odporu je :", "±5 %");
}

void TestBandsPage::readoutBoxes()
{
    QFETCH(QString, label);
    QFETCH(QString, title);
    QFETCH(QString, text);
    choose(QStringLiteral("Option2"));
    clickBands(QStringLiteral("yellow,violet,red,gold"));
    const auto box = testsupport::closeNextMessageBox(
        [&] { QTest::mouseClick(form->findChild<QLabel *>(label), Qt::LeftButton); });
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QVERIFY(box.seen && box.icon == QMessageBox::Information && box.buttonCount == 1 && box.hasOk);
    // The box changes nothing.
    QCOMPARE(readout(), QStringList({ "4K7", "4,7 kiloohmů", "4,7 kiloohmů", "±5 %" }));
}

BARVOZNAK_GUI_TEST_MAIN(TestBandsPage)
#include "tst_bandspage.moc"
