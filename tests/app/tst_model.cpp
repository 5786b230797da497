// A seeded random walk through the whole window: thousands of user actions (colour buttons, options, tabs,
// typing, deleting and pasting in the code boxes, read-out boxes, locale changes), each followed by a check of
// everything a user can see against a small model kept here. The read-out is worked out again from the band
// shapes' colours with this file's own tables, so a fault in the rules library cannot hide itself.
//
// BARVOZNAK_MODEL_SEED picks the walk (the seed is printed first); BARVOZNAK_MODEL_ACTIONS its length.
// A failure prints the seed and every action taken, so the walk can be run again as it was.

#include "app/form1.h"
#include "smd/smdcode.h"
#include "testsupport.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTabBar>

#include <array>
#include <functional>
#include <optional>

using namespace barvoznak;

namespace {

constexpr quint32 kDefaultSeed = 20260412;
constexpr int kDefaultActions = 10000;

// The band paints as the user sees them, 1 black … 12 silver.
constexpr std::array<QRgb, 12> kPaint { {
    qRgb(0, 0, 0),
    qRgb(192, 64, 0),
    qRgb(255, 0, 0),
    qRgb(255, 128, 0),
    qRgb(255, 255, 0),
    qRgb(0, 255, 0),
    qRgb(0, 0, 255),
    qRgb(255, 0, 255),
    qRgb(128, 128, 128),
    qRgb(255, 255, 255),
    qRgb(227, 203, 64),
    qRgb(192, 192, 192),
} };
constexpr int kGold = 11, kSilver = 12, kBlack = 1, kBrown = 2;

int colourOfPaint(QColor c)
{
    for (int i = 0; i < 12; ++i)
        if (c.isValid() && c.rgb() == kPaint[static_cast<std::size_t>(i)])
            return i + 1;
    return 0;
}

// Colour buttons showing per band column in each mode: digit columns offer black to white (band 1 without
// black), multiplier columns all twelve, tolerance columns the eight tolerance colours.
constexpr std::array<std::array<int, 5>, 3> kShowingPerColumn { {
    { 9, 10, 12, 0, 0 },
    { 9, 10, 12, 8, 0 },
    { 9, 10, 10, 12, 8 },
} };

std::optional<QString> toleranceCaption(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("±1 %");
    case 2:
        return QStringLiteral("±2 %");
    case 5:
        return QStringLiteral("±0.5 %");
    case 6:
        return QStringLiteral("±0.25 %");
    case 7:
        return QStringLiteral("±0.1 %");
    case 8:
        return QStringLiteral("±0.05 %");
    case 10:
        return QStringLiteral("±5 %");
    case 11:
        return QStringLiteral("±10 %");
    default:
        return std::nullopt;
    }
}

// digits × 10^exponent written with no trailing zeros in the fraction; the values shown stay far below the
// size that is written in scientific form.
QString writeFixed(int digits, int exponent, const QString &separator)
{
    if (exponent >= 0) {
        for (int i = 0; i < exponent; ++i)
            digits *= 10;
        return QString::number(digits);
    }
    int scale = 1;
    for (int i = 0; i < -exponent; ++i)
        scale *= 10;
    QString fraction = QString::number(digits % scale).rightJustified(-exponent, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const QString whole = QString::number(digits / scale);
    return fraction.isEmpty() ? whole : whole + separator + fraction;
}

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

struct Reading {
    QString error; // set when the shapes show a state no marking has
    QString value, marking;
    std::optional<QString> tolerance;
};

// Reads the bands as a resistor is marked: 2 digits and a multiplier (3 and 4 bands), 3 digits and a
// multiplier (5 bands); tolerance from the last band, or ±20 % when there are only three.
// The unit is the one that puts the point inside the digits ("1K2", "120K", "R12"); the marking writes the
// digits with the unit letter where the point falls.
Reading readColours(int bandCount, const std::array<int, 5> &colour, const QString &separator)
{
    Reading r;
    const int digitCount = bandCount == 5 ? 3 : 2;
    QString digitText;
    for (int i = 0; i < digitCount; ++i) {
        const int code = colour[static_cast<std::size_t>(i)] - 1;
        if (code < 0 || code > 9 || (i == 0 && code == 0)) {
            r.error = QStringLiteral("band %1 shows colour %2, which is no digit there").arg(i + 1).arg(code + 1);
            return r;
        }
        digitText += QString::number(code);
    }
    const int m = colour[static_cast<std::size_t>(digitCount)] - 1;
    if (m < 0 || m > 11) {
        r.error = QStringLiteral("multiplier band shows no colour");
        return r;
    }
    const int power = m <= 9 ? m : 9 - m; // gold 10^-1, silver 10^-2
    const int unit = std::max(0, 3 * floorDiv(power + digitCount - 1, 3));
    const int inUnit = power - unit;

    static const char *const kUnitWords[] = { " ohmů", " kiloohmů", " Megaohmů", " Gigaohmů" };
    QString unitWord = QString::fromUtf8(kUnitWords[unit / 3]);
    // The design writes this one row in lower case.
    if (digitCount == 3 && m == 4)
        unitWord = QString::fromUtf8(" megaohmů");
    r.value = writeFixed(digitText.toInt(), inUnit, separator) + unitWord;

    r.marking = digitText + QString(std::max(inUnit, 0), QLatin1Char('0'));
    r.marking.insert(digitCount + inUnit, QLatin1Char("RKMG"[unit / 3]));

    r.tolerance = bandCount == 3 ? std::optional<QString>(QStringLiteral("±20 %"))
                                 : toleranceCaption(colour[static_cast<std::size_t>(bandCount - 1)] - 1);
    return r;
}

int codePoints(const QString &text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i, ++n)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    return n;
}

bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// Text for the action log: one line, marks and controls named.
QString shown(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QChar(0x200F))
            out += QStringLiteral("<RLM>");
        else if (c.unicode() < 0x20)
            out += QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

const QStringList kAlphabet = [] {
    QStringList list;
    for (char c : QByteArrayLiteral("0123456789RrEeDdHhOo&.,-+ "))
        if (c)
            list << QString(QLatin1Char(c));
    list << QStringLiteral("😀") << QStringLiteral("\u200F");
    return list;
}();

} // namespace

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readingAgreesWithWorkedExamples_data();
    void readingAgreesWithWorkedExamples();
    void randomActions();

private:
    struct Model {
        int bandCount = 5;
        std::array<int, 5> colour { kBrown, kBlack, kBlack, kBlack, kBrown };
        int page = 0;
        QString readoutSeparator; // the locale's separator when the read-out was last written
        QString tolerance; // Label10 keeps its caption where a band has no tolerance
        std::array<QString, 2> code { QStringLiteral("0 ohmu"), QStringLiteral("0 ohmu") };
    };

    void findControls();
    QString check();
    QString checkBands();
    QString checkCodes();
    QColor shapeColour(int band) const;
    QString label(const char *name) const { return form->findChild<QLabel *>(name)->text(); }

    // Actions; each returns its entry for the log, or an error starting with '!'.
    QPoint reachable(QWidget *w);
    QString clickAt(QWidget *w);
    QString toPage(int page);
    QString clickColour();
    QString clickOption();
    QString clickTab();
    QString clickReadout();
    QString setLocale();
    QString placeCursor(QLineEdit *box);
    QString typeText();
    QString deleteText();
    QString pasteText();
    QString randomText(int most);

    std::unique_ptr<Form1> form;
    Model model;
    QRandomGenerator rng;
    std::array<std::array<QWidget *, 12>, 5> colourButton {};
    std::array<QWidget *, 5> shape {};
    std::array<QRadioButton *, 3> option {};
    std::array<QLineEdit *, 2> box {};
    std::array<QLabel *, 2> codeResult {};
    QTabBar *tabs = nullptr;
    QWidget *bandsPage = nullptr;
};

void TestModel::init()
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    findControls();
    model = Model {};
    model.readoutSeparator = QLocale().decimalPoint();
    model.tolerance = QStringLiteral("±1 %");
}

void TestModel::cleanup()
{
    form.reset();
    QLocale::setDefault(QLocale::c());
}

void TestModel::findControls()
{
    for (auto &column : colourButton)
        column.fill(nullptr);
    for (int band = 1; band <= 5; ++band) {
        for (int c = 1; c <= 12; ++c)
            colourButton[band - 1][c - 1]
                = form->findChild<ColorButton *>(QStringLiteral("Command%1").arg(12 * (band - 1) + c));
        shape[band - 1] = form->findChild<BandShape *>(QStringLiteral("Shape%1").arg(band));
        QVERIFY(shape[band - 1]);
    }
    for (int i = 0; i < 3; ++i) {
        option[i] = form->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(i + 1));
        QVERIFY(option[i]);
    }
    box = { form->findChild<QLineEdit *>("Text1"), form->findChild<QLineEdit *>("Text2") };
    codeResult = { form->findChild<QLabel *>("Label5"), form->findChild<QLabel *>("Label13") };
    QVERIFY(box[0] && box[1] && codeResult[0] && codeResult[1]);
    tabs = form->findChild<SSTab *>("SSTab1")->tabBar();
    bandsPage = shape[0]->parentWidget();
    // Every change of a code box decodes its full-length text with the separator of that moment.
    for (int i = 0; i < 2; ++i) {
        connect(box[i], &QLineEdit::textChanged, this, [this, i] {
            const QString text = box[i]->text();
            const auto codeForm = i == 0 ? smd::CodeForm::ThreeChar : smd::CodeForm::FourChar;
            if (codePoints(text) == 3 + i)
                model.code[i]
                    = smd::decode(text, codeForm, QLocale().decimalPoint()).value_or(QStringLiteral("?"));
        });
    }
}

QColor TestModel::shapeColour(int band) const
{
    auto *s = static_cast<BandShape *>(shape[band - 1]);
    return s->fillColor() == s->outlineColor() ? s->fillColor() : QColor();
}

void TestModel::readingAgreesWithWorkedExamples_data()
{
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<QList<int>>("colours");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("tolerance");
    const auto row = [](const char *tag, int n, QList<int> c, const char *sep, const char *value,
                         const char *marking, const char *tolerance) {
        QTest::newRow(tag) << n << c << sep << QString::fromUtf8(value) << marking << QString::fromUtf8(tolerance);
    };
    row("start state", 5, { 2, 1, 1, 1, 2 }, ",", "100 ohmů", "100R", "±1 %");
    row("4k7 gold", 4, { 5, 8, 3, 11 }, ",", "4,7 kiloohmů", "4K7", "±5 %");
    row("4k7 gold english", 4, { 5, 8, 3, 11 }, ".", "4.7 kiloohmů", "4K7", "±5 %");
    row("8k4 silver", 4, { 9, 5, 3, 12 }, ",", "8,4 kiloohmů", "8K4", "±10 %");
    row("three bands smallest", 3, { 2, 1, 12 }, ",", "0,1 ohmů", "R10", "±20 %");
    row("three bands largest", 3, { 10, 10, 10 }, ",", "99 Gigaohmů", "99G", "±20 %");
    row("120R", 3, { 2, 3, 2 }, ",", "120 ohmů", "120R", "±20 %");
    row("120M", 4, { 2, 3, 8, 2 }, ",", "120 Megaohmů", "120M", "±1 %");
    row("five bands smallest", 5, { 2, 1, 1, 12, 3 }, ",", "1 ohmů", "1R00", "±2 %");
    row("lower-case mega row", 5, { 3, 3, 1, 5, 2 }, ",", "2,2 megaohmů", "2M20", "±1 %");
    row("five bands largest", 5, { 10, 10, 10, 10, 9 }, ",", "999 Gigaohmů", "999G", "±0.05 %");
    row("five bands 12K3", 5, { 2, 3, 4, 3, 8 }, ",", "12,3 kiloohmů", "12K3", "±0.1 %");
    row("five bands silver", 5, { 2, 3, 4, 12, 2 }, ",", "1,23 ohmů", "1R23", "±1 %");
    row("five bands gold", 5, { 2, 1, 1, 11, 6 }, ",", "10 ohmů", "10R0", "±0.5 %");
    row("no tolerance row", 4, { 2, 1, 1, 4 }, ",", "10 ohmů", "10R", "");
}

// The model's own reading of the bands, checked on the worked examples before it judges the window.
void TestModel::readingAgreesWithWorkedExamples()
{
    QFETCH(int, bandCount);
    QFETCH(QList<int>, colours);
    QFETCH(QString, separator);
    QFETCH(QString, value);
    QFETCH(QString, marking);
    QFETCH(QString, tolerance);
    std::array<int, 5> c {};
    for (int i = 0; i < colours.size(); ++i)
        c[static_cast<std::size_t>(i)] = colours[i];
    const Reading r = readColours(bandCount, c, separator);
    QCOMPARE(r.error, QString());
    QCOMPARE(r.value, value);
    QCOMPARE(r.marking, marking);
    QCOMPARE(r.tolerance.value_or(QString()), tolerance);
}

QString TestModel::checkBands()
{
    for (std::size_t i = 0; i < 5; ++i)
        if (form->bandValue()[i] != form->bandColor()[i] - 1)
            return QStringLiteral("band %1: BandValue %2 with BandColor %3")
                .arg(i + 1)
                .arg(form->bandValue()[i])
                .arg(form->bandColor()[i]);

    const int n = model.bandCount;
    for (int i = 0; i < 3; ++i)
        if (option[i]->isChecked() != (i + 3 == n))
            return QStringLiteral("Option%1 checked %2 in %3-band mode")
                .arg(i + 1)
                .arg(option[i]->isChecked())
                .arg(n);

    std::array<int, 5> seen {};
    for (int band = 1; band <= 5; ++band) {
        const bool visible = shape[band - 1]->isVisibleTo(bandsPage);
        if (visible != (band <= n))
            return QStringLiteral("Shape%1 visible %2 in %3-band mode").arg(band).arg(visible).arg(n);
        const int c = colourOfPaint(shapeColour(band));
        if (band <= n && c != model.colour[band - 1])
            return QStringLiteral("Shape%1 shows colour %2, clicks make it %3")
                .arg(band)
                .arg(c)
                .arg(model.colour[band - 1]);
        if (band <= n && form->bandColor()[band - 1] != c)
            return QStringLiteral("Shape%1 shows colour %2, BandColor holds %3")
                .arg(band)
                .arg(c)
                .arg(form->bandColor()[band - 1]);
        seen[band - 1] = c;
    }

    const auto &perColumn = kShowingPerColumn[static_cast<std::size_t>(n - 3)];
    for (int band = 1; band <= 5; ++band) {
        int showing = 0;
        for (QWidget *b : colourButton[band - 1])
            showing += b && b->isVisibleTo(bandsPage);
        if (showing != perColumn[band - 1])
            return QStringLiteral("band %1 column shows %2 buttons in %3-band mode").arg(band).arg(showing).arg(n);
    }

    const Reading r = readColours(n, seen, model.readoutSeparator);
    if (!r.error.isEmpty())
        return r.error;
    if (r.tolerance)
        model.tolerance = *r.tolerance;
    const auto differs = [](const char *name, const QString &got, const QString &want) {
        return got == want ? QString()
                           : QStringLiteral("%1 shows %2, expected %3").arg(name, shown(got), shown(want));
    };
    for (const QString &e :
        { differs("Label6", label("Label6"), r.value), differs("Label9", label("Label9"), r.value),
            differs("Label7", label("Label7"), r.marking), differs("Label10", label("Label10"), model.tolerance) })
        if (!e.isEmpty())
            return e;
    return {};
}

QString TestModel::checkCodes()
{
    for (int i = 0; i < 2; ++i) {
        const QString text = box[i]->text();
        if (codePoints(text) > 3 + i)
            return QStringLiteral("Text%1 holds %2, more than %3 characters")
                .arg(i + 1)
                .arg(shown(text))
                .arg(3 + i);
        if (hasLoneSurrogate(text))
            return QStringLiteral("Text%1 holds a lone surrogate: %2").arg(i + 1).arg(shown(text));
        if (codeResult[i]->text() != model.code[i])
            return QStringLiteral("%1 shows %2 for %3, expected %4")
                .arg(codeResult[i]->objectName(), shown(codeResult[i]->text()), shown(text), shown(model.code[i]));
    }
    return {};
}

QString TestModel::check()
{
    if (QWidget *open = QApplication::activeModalWidget())
        return QStringLiteral("a modal window stayed open: ") + open->windowTitle();
    if (tabs->currentIndex() != model.page)
        return QStringLiteral("page %1 showing, page %2 chosen").arg(tabs->currentIndex() + 1).arg(model.page + 1);
    if (QString e = checkBands(); !e.isEmpty())
        return e;
    return checkCodes();
}

// A point of the widget the pointer can reach: not under another control.
QPoint TestModel::reachable(QWidget *w)
{
    for (int attempt = 0; attempt < 24; ++attempt) {
        const QPoint p(rng.bounded(w->width()), rng.bounded(w->height()));
        if (form->childAt(w->mapTo(form.get(), p)) == w)
            return p;
    }
    const QPoint centre = w->rect().center();
    return form->childAt(w->mapTo(form.get(), centre)) == w ? centre : QPoint(-1, -1);
}

QString TestModel::clickAt(QWidget *w)
{
    const QPoint p = reachable(w);
    if (p.x() < 0)
        return QStringLiteral("!") + w->objectName() + QStringLiteral(" cannot be reached by the pointer");
    QTest::mouseClick(w, Qt::LeftButton, {}, p);
    return {};
}

QString TestModel::toPage(int page)
{
    if (model.page == page)
        return {};
    const QPoint p = tabs->tabRect(page).center();
    if (form->childAt(tabs->mapTo(form.get(), p)) != tabs)
        return QStringLiteral("!tab %1 cannot be reached").arg(page + 1);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, p);
    model.page = page;
    return QStringLiteral("T%1 ").arg(page + 1);
}

QString TestModel::clickColour()
{
    const QString log = toPage(0);
    if (log.startsWith(QLatin1Char('!')))
        return log;
    QList<std::pair<int, int>> showing;
    for (int band = 1; band <= 5; ++band)
        for (int c = 1; c <= 12; ++c)
            if (QWidget *b = colourButton[band - 1][c - 1]; b && b->isVisible())
                showing.append({ band, c });
    if (showing.isEmpty())
        return QStringLiteral("!no colour button shows");
    const auto [band, c] = showing[rng.bounded(int(showing.size()))];
    if (QString e = clickAt(colourButton[band - 1][c - 1]); !e.isEmpty())
        return e;
    model.colour[band - 1] = c;
    model.readoutSeparator = QLocale().decimalPoint();
    return log + QStringLiteral("C%1").arg(12 * (band - 1) + c);
}

QString TestModel::clickOption()
{
    const QString log = toPage(0);
    if (log.startsWith(QLatin1Char('!')))
        return log;
    const int i = rng.bounded(3);
    if (QString e = clickAt(option[i]); !e.isEmpty())
        return e;
    // Four bands start band 4 brown; five bands start bands 4 and 5 black and brown, and band 3 becomes the
    // third digit, so gold or silver there turns black.
    model.bandCount = i + 3;
    if (i == 1)
        model.colour[3] = kBrown;
    if (i == 2) {
        model.colour[3] = kBlack;
        model.colour[4] = kBrown;
        if (model.colour[2] == kGold || model.colour[2] == kSilver)
            model.colour[2] = kBlack;
    }
    model.readoutSeparator = QLocale().decimalPoint();
    return log + QStringLiteral("O%1").arg(i + 1);
}

QString TestModel::clickTab()
{
    const int page = rng.bounded(3);
    const QPoint p = tabs->tabRect(page).center() + QPoint(rng.bounded(-20, 21), rng.bounded(-3, 4));
    if (form->childAt(tabs->mapTo(form.get(), p)) != tabs || tabs->tabAt(p) != page)
        return QStringLiteral("T%1-missed").arg(page + 1); // outside the tab: nothing happens
    QTest::mouseClick(tabs, Qt::LeftButton, {}, p);
    model.page = page;
    return QStringLiteral("T%1").arg(page + 1);
}

QString TestModel::clickReadout()
{
    const QString log = toPage(0);
    if (log.startsWith(QLatin1Char('!')))
        return log;
    static const std::array<std::pair<const char *, const char *>, 3> kReadouts { {
        { "Label6", "Hodnota odporu je :" },
        { "Label7", "Zkrácené značení je :" },
        { "Label10", "Tolerance odporu je :" },
    } };
    const auto &[name, title] = kReadouts[rng.bounded(3)];
    auto *l = form->findChild<QLabel *>(name);
    const QString caption = l->text();
    QString error;
    // The offscreen platform says once per box that it cannot pass size hints on; that is no fault here.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    const testsupport::SeenBox seen = testsupport::closeNextMessageBox([&] { error = clickAt(l); });
    if (!error.isEmpty())
        return error;
    if (!seen.seen)
        return QStringLiteral("!%1: no message box").arg(name);
    if (seen.title != QString::fromUtf8(title) || seen.text != caption)
        return QStringLiteral("!%1 box says %2 / %3, expected %4 / %5")
            .arg(name, shown(seen.title), shown(seen.text), shown(QString::fromUtf8(title)), shown(caption));
    return log + QLatin1String(name);
}

QString TestModel::setLocale()
{
    const bool czech = rng.bounded(2) == 0;
    QLocale::setDefault(
        czech ? QLocale(QLocale::Czech, QLocale::Czechia) : QLocale(QLocale::English, QLocale::UnitedStates));
    return czech ? QStringLiteral("cs") : QStringLiteral("en");
}

// Where the next edit goes, as a user puts it: a click in the box, or Home/End and arrow keys, sometimes
// with Shift held to select.
QString TestModel::placeCursor(QLineEdit *edit)
{
    switch (rng.bounded(3)) {
    case 0:
        if (QString e = clickAt(edit); !e.isEmpty())
            return e;
        break;
    case 1:
        QTest::keyClick(edit, Qt::Key_Home);
        for (int k = rng.bounded(5); k > 0; --k)
            QTest::keyClick(edit, Qt::Key_Right);
        break;
    default:
        QTest::keyClick(edit, Qt::Key_End);
        for (int k = rng.bounded(5); k > 0; --k)
            QTest::keyClick(edit, Qt::Key_Left);
        break;
    }
    if (rng.bounded(4) == 0)
        for (int k = 1 + rng.bounded(3); k > 0; --k)
            QTest::keyClick(edit, rng.bounded(2) ? Qt::Key_Left : Qt::Key_Right, Qt::ShiftModifier);
    QString at = QStringLiteral("@%1").arg(edit->cursorPosition());
    if (edit->hasSelectedText())
        at += QStringLiteral("s%1").arg(edit->selectionLength());
    return at;
}

QString TestModel::randomText(int most)
{
    QString text;
    for (int k = rng.bounded(most + 1); k > 0; --k)
        text += kAlphabet[rng.bounded(int(kAlphabet.size()))];
    return text;
}

QString TestModel::typeText()
{
    const QString log = toPage(1);
    if (log.startsWith(QLatin1Char('!')))
        return log;
    const int i = rng.bounded(2);
    QLineEdit *edit = box[i];
    const QString at = placeCursor(edit);
    if (at.startsWith(QLatin1Char('!')))
        return at;
    const QString text = randomText(5);
    // keyClicks turns what is not Latin-1 into nothing, so the emoji and the mark go as keys of their own.
    QString run;
    const auto flush = [&] {
        QTest::keyClicks(edit, run);
        run.clear();
    };
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k].unicode() < 0x80) {
            run += text[k];
            continue;
        }
        flush();
        const bool pair = text[k].isHighSurrogate() && k + 1 < text.size();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, text.mid(k, pair ? 2 : 1), Qt::NoModifier);
        k += pair;
    }
    flush();
    return log + QStringLiteral("X%1%2 type %3").arg(i + 1).arg(at, shown(text));
}

QString TestModel::deleteText()
{
    const QString log = toPage(1);
    if (log.startsWith(QLatin1Char('!')))
        return log;
    const int i = rng.bounded(2);
    QLineEdit *edit = box[i];
    const QString at = placeCursor(edit);
    if (at.startsWith(QLatin1Char('!')))
        return at;
    const bool back = rng.bounded(2) == 0;
    const int times = 1 + rng.bounded(3);
    for (int k = 0; k < times; ++k)
        QTest::keyClick(edit, back ? Qt::Key_Backspace : Qt::Key_Delete);
    return log + QStringLiteral("X%1%2 %3×%4").arg(i + 1).arg(at, back ? "bs" : "del").arg(times);
}

QString TestModel::pasteText()
{
    const QString log = toPage(1);
    if (log.startsWith(QLatin1Char('!')))
        return log;
    const int i = rng.bounded(2);
    QLineEdit *edit = box[i];
    // Now and then a long text, as a paste of a whole line would be.
    const QString text = randomText(rng.bounded(20) == 0 ? 60 : 7);
    switch (rng.bounded(3)) {
    case 0: {
        const QString at = placeCursor(edit);
        if (at.startsWith(QLatin1Char('!')))
            return at;
        edit->insert(text);
        return log + QStringLiteral("X%1%2 insert %3").arg(i + 1).arg(at, shown(text));
    }
    case 1: {
        const QString at = placeCursor(edit);
        if (at.startsWith(QLatin1Char('!')))
            return at;
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        return log + QStringLiteral("X%1%2 paste %3").arg(i + 1).arg(at, shown(text));
    }
    default:
        edit->setText(text);
        return log + QStringLiteral("X%1 set %2").arg(i + 1).arg(shown(text));
    }
}

void TestModel::randomActions()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariableIsSet("BARVOZNAK_MODEL_SEED")
        ? qEnvironmentVariable("BARVOZNAK_MODEL_SEED").toUInt(&ok)
        : kDefaultSeed;
    QVERIFY2(ok || !qEnvironmentVariableIsSet("BARVOZNAK_MODEL_SEED"), "BARVOZNAK_MODEL_SEED is no number");
    const int actions = qEnvironmentVariableIntValue("BARVOZNAK_MODEL_ACTIONS", &ok);
    const int count = ok && actions > 0 ? actions : kDefaultActions;
    qInfo("model seed %u, %d actions (BARVOZNAK_MODEL_SEED=%u to run this walk again)", seed, count, seed);
    rng.seed(seed);

    // Weights: mostly band clicks and code entry, now and then a read-out box or a locale change.
    struct Kind {
        int weight;
        QString (TestModel::*act)();
    };
    const std::array<Kind, 8> kinds { {
        { 30, &TestModel::clickColour },
        { 8, &TestModel::clickOption },
        { 8, &TestModel::clickTab },
        { 20, &TestModel::typeText },
        { 12, &TestModel::deleteText },
        { 10, &TestModel::pasteText },
        { 2, &TestModel::clickReadout },
        { 2, &TestModel::setLocale },
    } };
    int total = 0;
    for (const Kind &k : kinds)
        total += k.weight;

    QStringList log;
    const auto fail = [&](const QString &why) {
        qWarning("model seed %u failed after %lld actions: %s", seed, qlonglong(log.size()), qPrintable(why));
        for (qsizetype from = 0; from < log.size(); from += 12)
            qWarning("  %lld: %s", qlonglong(from + 1), qPrintable(log.mid(from, 12).join(QStringLiteral(" | "))));
        return QStringLiteral("seed %1, action %2 (%3): %4")
            .arg(seed)
            .arg(log.size())
            .arg(log.isEmpty() ? QString() : log.last(), why);
    };

    if (const QString e = check(); !e.isEmpty())
        QFAIL(qPrintable(fail(e)));
    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < count; ++step) {
        int pick = rng.bounded(total);
        const Kind *kind = kinds.data();
        while (pick >= kind->weight)
            pick -= (kind++)->weight;
        const QString entry = (this->*kind->act)();
        if (entry.startsWith(QLatin1Char('!')))
            QFAIL(qPrintable(fail(entry.mid(1))));
        log << entry;
        // Let the window paint between actions, as it would between a user's.
        QCoreApplication::processEvents();
        if (const QString e = check(); !e.isEmpty())
            QFAIL(qPrintable(fail(e)));
    }
    qInfo("%d actions in %lld ms", count, qlonglong(clock.elapsed()));
}

BARVOZNAK_GUI_TEST_MAIN(TestModel)
#include "tst_model.moc"
