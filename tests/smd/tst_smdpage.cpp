#include "app/form1.h"
#include "testsupport.h"

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QStyleOptionFrame>

#include <algorithm>
#include <climits>

using namespace barvoznak;

namespace {

const QString kEmoji = QStringLiteral("😀"); // one character, two UTF-16 code units
const QString kRtlMark = QStringLiteral("\u200F");

// The exact option QLineEdit paints with; initStyleOption is protected, its member pointer is not.
struct LineEditStyle : QLineEdit {
    static QStyleOptionFrame of(const QLineEdit *box)
    {
        QStyleOptionFrame option;
        (box->*&LineEditStyle::initStyleOption)(&option);
        return option;
    }
};

// Where a line edit may draw: its contents rect less the text margins (the painter is clipped to it).
QRect textArea(const QLineEdit *box)
{
    const QStyleOptionFrame option = LineEditStyle::of(box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.marginsRemoved(box->textMargins());
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

} // namespace

class TestSmdPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void workedExamples_data();
    void workedExamples();
    void entryKeepsCodeLength_data();
    void entryKeepsCodeLength();
    void shorterCodeKeepsResult_data();
    void shorterCodeKeepsResult();
    void tabSwitchKeepsCodes();
    void placesAndAccessibility_data();
    void placesAndAccessibility();
    void dataSheet_data();
    void dataSheet();
    void dataSheetRightEndsAlign();
    void textsFit_data();
    void textsFit();

private:
    QLineEdit *box(const QString &name) const { return form->findChild<QLineEdit *>(name); }
    QString caption(const QString &name) const { return form->findChild<QLabel *>(name)->text(); }
    static QString resultLabel(const QString &box) { return box == QLatin1String("Text1") ? "Label5" : "Label13"; }
    void enter(QLineEdit *box, const QString &text, const QString &how, int cursor = -1);

    std::unique_ptr<Form1> form;
};

void TestSmdPage::init()
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->findChild<SSTab *>("SSTab1")->setCurrentIndex(1);
}

void TestSmdPage::cleanup()
{
    form.reset();
    QLocale::setDefault(QLocale::c());
}

// At the cursor position, or over the whole text when it is -1: "typed" one key per character, "pasted"
// from the clipboard, or "set" as the whole text.
void TestSmdPage::enter(QLineEdit *box, const QString &text, const QString &how, int cursor)
{
    box->setFocus();
    if (cursor < 0)
        box->selectAll();
    else
        box->setCursorPosition(cursor);
    if (how == QLatin1String("set")) {
        box->setText(text);
    } else if (how == QLatin1String("pasted")) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    } else {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
            const QString key = text.mid(i, pair ? 2 : 1);
            i += pair;
            if (key[0].unicode() > u' ' && key[0].unicode() < 0x7F)
                QTest::keyClick(box, key[0].toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, key, Qt::NoModifier);
        }
    }
}

void TestSmdPage::startState()
{
    QCOMPARE(box("Text1")->text(), QStringLiteral("000"));
    QCOMPARE(box("Text2")->text(), QStringLiteral("0000"));
    QCOMPARE(caption("Label5"), QStringLiteral("0 ohmu"));
    QCOMPARE(caption("Label13"), QStringLiteral("0 ohmu"));
    QCOMPARE(form->findChild<SSTab *>("SSTab1")->tabBar()->tabText(1), QStringLiteral("SMD Rezistor - vel. 1206"));
}

void TestSmdPage::workedExamples_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("result");
    const QLocale czech(QLocale::Czech, QLocale::Czechia), english(QLocale::English, QLocale::UnitedStates);
    const auto row = [](const QLocale &locale, const char *name, const char *code, const char *result) {
        QTest::addRow("%s %s %s", qPrintable(locale.name()), name, code) << locale << name << code << result;
    };
    for (const auto &[code, result] : { std::pair { "000", "0 ohmu" }, { "472", "4,7 kiloohmu" },
             { "101", "100 ohmu" }, { "012", "0,1 kiloohmu" }, { "842", "8,4 kiloohmu" }, { "999", "99 gigaohmu" },
             { "47x", "47 ohmu" }, { "4R7", "4,7 ohmu" }, { "R47", "0,47 ohmu" }, { "47R", "47 ohmu" },
             { "4r7", "4,7 ohmu" }, { "-12", "-0,1 kiloohmu" }, { "003", "0 kiloohmu" } })
        row(czech, "Text1", code, result);
    for (const auto &[code, result] : { std::pair { "0000", "0 ohmu" }, { "1000", "100 ohmu" },
             { "4701", "4,7 kiloohmu" }, { "0101", "0,1 kiloohmu" }, { "2204", "2,2 megaohmu" },
             { "1.52", "0,15 kiloohmu" }, { "1,52", "0,1 kiloohmu" }, { "9999", "999 gigaohmu" },
             { "4R70", "4,7 ohmu" }, { "R100", "0,1 ohmu" }, { "10R0", "10 ohmu" } })
        row(czech, "Text2", code, result);
    row(english, "Text1", "472", "4.7 kiloohmu");
    row(english, "Text1", "R47", "0.47 ohmu");
    row(english, "Text2", "1.52", "0.15 kiloohmu");
}

// Every way of entering a code gives the same result, and the other decoder is left alone.
void TestSmdPage::workedExamples()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, result);
    QLocale::setDefault(locale);
    const bool three = name == QLatin1String("Text1");
    const QString other = three ? "Text2" : "Text1";
    for (const QString how : { "typed", "set", "pasted" }) {
        box(name)->setText(three ? "999" : "9999"); // a different result before, so a kept one shows
        enter(box(name), code, how);
        QVERIFY2(box(name)->text() == code, qPrintable(how));
        QVERIFY2(caption(resultLabel(name)) == result, qPrintable(how + ": " + caption(resultLabel(name))));
        QCOMPARE(box(other)->text(), QString(three ? "0000" : "000"));
        QCOMPARE(caption(resultLabel(other)), QStringLiteral("0 ohmu"));
    }
}

void TestSmdPage::entryKeepsCodeLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor"); // -1: the entry replaces the whole text
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    const QString ctrl = QStringLiteral("4\u00012\u007F"), nul = QString(QChar(0)) + "47";
    const QString megabyte(1 << 20, u'4');
    const auto row = [](const char *tag, const char *name, const char *before, int cursor, const char *how,
                         const QString &input, const QString &text, const char *result) {
        QTest::newRow(tag) << name << before << cursor << how << input << text << result;
    };
    row("Text1 fourth typed at end", "Text1", "101", 3, "typed", "9", "101", "100 ohmu");
    row("Text1 fourth typed at start", "Text1", "101", 0, "typed", "4", "410", "41 ohmu");
    row("Text1 fourth typed inside", "Text1", "472", 1, "typed", "0", "407", "400 megaohmu");
    row("Text1 4702 pasted over all", "Text1", "000", -1, "pasted", "4702", "470", "47 ohmu");
    row("Text1 pasted at end", "Text1", "472", 3, "pasted", "55", "472", "4,7 kiloohmu");
    row("Text1 letters typed", "Text1", "000", -1, "typed", "abcd", "abc", "0 ohmu");
    row("Text1 signs typed", "Text1", "000", -1, "typed", "+-+-", "+-+", "0 ohmu");
    row("Text1 control characters pasted", "Text1", "000", -1, "pasted", ctrl, ctrl.left(3), "0,4 kiloohmu");
    row("Text1 NUL first set", "Text1", "000", -1, "set", nul, nul, "0 megaohmu");
    row("Text1 right-to-left mark typed first", "Text1", "000", -1, "typed", kRtlMark + "472", kRtlMark + "47",
        "0 megaohmu");
    row("Text1 right-to-left mark pasted third", "Text1", "000", -1, "pasted", "47" + kRtlMark + "2",
        "47" + kRtlMark, "47 ohmu");
    row("Text1 emoji typed third", "Text1", "000", -1, "typed", "47" + kEmoji + "2", "47" + kEmoji, "47 ohmu");
    row("Text1 emoji typed at end", "Text1", "472", 3, "typed", kEmoji, "472", "4,7 kiloohmu");
    row("Text1 emoji only pasted", "Text1", "000", -1, "pasted", kEmoji.repeated(5), kEmoji.repeated(3), "0 ohmu");
    row("Text1 megabyte pasted", "Text1", "000", -1, "pasted", megabyte, "444", "440 kiloohmu");
    row("Text1 megabyte set", "Text1", "000", -1, "set", megabyte, "444", "440 kiloohmu");
    row("Text2 fifth typed at end", "Text2", "4701", 4, "typed", "9", "4701", "4,7 kiloohmu");
    row("Text2 fifth typed at start", "Text2", "4701", 0, "typed", "2", "2470", "247 ohmu");
    row("Text2 47011 pasted over all", "Text2", "0000", -1, "pasted", "47011", "4701", "4,7 kiloohmu");
    row("Text2 letters pasted", "Text2", "0000", -1, "pasted", "ABCDE", "ABCD", "0 ohmu");
    row("Text2 emoji typed after digit", "Text2", "0000", -1, "typed", "4" + kEmoji.repeated(4),
        "4" + kEmoji.repeated(3), "4 ohmu");
    row("Text2 emoji megabyte pasted", "Text2", "0000", -1, "pasted", kEmoji.repeated(1 << 19), kEmoji.repeated(4),
        "0 ohmu");
    row("Text2 megabyte pasted", "Text2", "0000", -1, "pasted", megabyte, "4444", "4,44 megaohmu");
    row("Text2 exponent set", "Text2", "0000", -1, "set", "9E99", "9E99", "9E+09 gigaohmu");
}

// Whatever comes in, quickly, the box keeps its first 3 (4) whole characters and shows their decode.
void TestSmdPage::entryKeepsCodeLength()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, result);
    box(name)->setText(before);
    QSignalSpy changes(box(name), &QLineEdit::textChanged);
    QElapsedTimer clock;
    clock.start();
    enter(box(name), input, how, cursor);
    QVERIFY2(clock.elapsed() < 5000, "entering took too long");
    QCOMPARE(box(name)->text(), text);
    // A cut raises one more change (nested, so listeners after the page see it before the long text).
    QVERIFY(std::any_of(changes.cbegin(), changes.cend(), [&](const auto &c) { return c.at(0) == text; }));
    const QString entered = cursor < 0 ? input : QString(before).insert(cursor, input);
    if (how != QLatin1String("typed"))
        QCOMPARE(changes.size(), entered == text ? 1 : 2);
    QVERIFY(!hasLoneSurrogate(box(name)->text()));
    QCOMPARE(caption(resultLabel(name)), result);
}

void TestSmdPage::shorterCodeKeepsResult_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("result");
    QTest::newRow("Text1 472") << "Text1"
                               << "472"
                               << "4,7 kiloohmu";
    QTest::newRow("Text2 2204") << "Text2"
                                << "2204"
                                << "2,2 megaohmu";
    QTest::newRow("Text1 47 emoji") << "Text1"
                                    << "47" + kEmoji << "47 ohmu";
}

void TestSmdPage::shorterCodeKeepsResult()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, result);
    const QString label = resultLabel(name);
    QLineEdit *edit = box(name);
    enter(edit, code, "typed");
    QCOMPARE(caption(label), result);
    while (!edit->text().isEmpty()) {
        QString shorter = edit->text();
        shorter.chop(shorter.back().isLowSurrogate() ? 2 : 1);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), shorter);
        QCOMPARE(caption(label), result);
    }
    // A shorter code typed anew, or a full one selected and deleted, keeps the result too.
    QTest::keyClicks(edit, "1");
    QCOMPARE(caption(label), result);
    edit->setText(code);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(caption(label), result);
    QCOMPARE(caption(resultLabel(name == QLatin1String("Text1") ? "Text2" : "Text1")), QStringLiteral("0 ohmu"));
}

void TestSmdPage::tabSwitchKeepsCodes()
{
    enter(box("Text1"), "472", "typed");
    enter(box("Text2"), "2204", "typed");
    QTabBar *tabs = form->findChild<SSTab *>("SSTab1")->tabBar();
    for (int tab : { 0, 2, 1 }) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        QCOMPARE(tabs->currentIndex(), tab);
    }
    QVERIFY(box("Text1")->isVisible());
    QCOMPARE(box("Text1")->text(), QStringLiteral("472"));
    QCOMPARE(box("Text2")->text(), QStringLiteral("2204"));
    QCOMPARE(caption("Label5"), QStringLiteral("4,7 kiloohmu"));
    QCOMPARE(caption("Label13"), QStringLiteral("2,2 megaohmu"));
}

void TestSmdPage::placesAndAccessibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("place"); // in its parent; an empty size for a label that sizes itself
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("textKind"); // QAccessible::Name or Value, compared with the control's text
    const auto row = [](const char *name, const char *frame, QRect place, QAccessible::Role role, int textKind) {
        QTest::newRow(name) << name << frame << place << int(role) << textKind;
    };
    row("Frame2", "", QRect(8, 33, 241, 81), QAccessible::Grouping, QAccessible::Name);
    row("Frame3", "", QRect(8, 121, 241, 81), QAccessible::Grouping, QAccessible::Name);
    row("Text1", "Frame2", QRect(168, 24, 32, 21), QAccessible::EditableText, QAccessible::Value);
    row("Text2", "Frame3", QRect(168, 24, 41, 19), QAccessible::EditableText, QAccessible::Value);
    row("Label5", "Frame2", QRect(104, 48, 0, 0), QAccessible::StaticText, QAccessible::Name);
    row("Label13", "Frame3", QRect(104, 48, 0, 0), QAccessible::StaticText, QAccessible::Name);
    row("Image2", "", QRect(256, 41, 237, 139), QAccessible::Graphic, -1);
}

void TestSmdPage::placesAndAccessibility()
{
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QRect, place);
    QFETCH(int, role);
    QFETCH(int, textKind);
    enter(box("Text1"), "472", "typed");
    enter(box("Text2"), "2204", "typed");
    auto *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget && widget->isVisible());
    QCOMPARE(widget->parentWidget()->objectName(), frame);
    QCOMPARE(widget->pos(), place.topLeft());
    if (!place.isEmpty())
        QCOMPARE(widget->size(), place.size());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    if (textKind >= 0) {
        const QString shown = qobject_cast<QLineEdit *>(widget) ? qobject_cast<QLineEdit *>(widget)->text()
            : qobject_cast<QGroupBox *>(widget)                 ? qobject_cast<QGroupBox *>(widget)->title()
                                                                : qobject_cast<QLabel *>(widget)->text();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(iface->text(QAccessible::Text(textKind)), shown);
    }
    // On screen where the design puts it: frames lie on the page, which starts at the window's corner.
    const QPoint framePos = frame.isEmpty() ? QPoint() : form->findChild<QWidget *>(frame)->pos();
    const QPoint inWindow = place.topLeft() + framePos;
    QCOMPARE(widget->mapTo(form.get(), QPoint()), inWindow);
    QCOMPARE(iface->rect(), QRect(form->mapToGlobal(inWindow), widget->size()));
}

void TestSmdPage::dataSheet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    const char *lines[] = {
        "Jm. zatížení při 70°C .............................................................0,25W",
        "Rozsah hodnot  v E24 .............................1ohm až 10 megaohmů",
        "Tolerance.........................................................................±5%, ±1%",
        "Teplotní stabilita........................................................±100ppm/°C",
        "Maximální napětí trvale...........................................................200V",
        "Maximílní napětí krátkodob....................................................400V",
    };
    for (int i = 0; i < 6; ++i)
        QTest::addRow("Label%d", 14 + i)
            << QStringLiteral("Label%1").arg(14 + i) << QString::fromUtf8(lines[i]) << 217 + 16 * i;
}

void TestSmdPage::dataSheet()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, top);
    auto *label = form->findChild<QLabel *>(name);
    QVERIFY(label && label->isVisible());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), QPoint(32, top));
    QVERIFY(label->geometry().right() < 505);
    QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(text));
}

// The leaders of full stops bring the values to about one right edge.
void TestSmdPage::dataSheetRightEndsAlign()
{
    int least = INT_MAX, most = 0;
    for (int n = 14; n <= 19; ++n) {
        auto *label = form->findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
        const int end = label->x() + label->fontMetrics().horizontalAdvance(label->text());
        least = std::min(least, end);
        most = std::max(most, end);
    }
    QVERIFY2(most - least <= 12, qPrintable(QStringLiteral("right ends %1..%2").arg(least).arg(most)));
}

void TestSmdPage::textsFit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("label");
    QTest::newRow("Text1 000") << "Text1"
                               << "000"
                               << "Label5";
    QTest::newRow("Text1 999") << "Text1"
                               << "999"
                               << "Label5";
    QTest::newRow("Text1 -12") << "Text1"
                               << "-12"
                               << "Label5";
    QTest::newRow("Text1 4R7") << "Text1"
                               << "4R7"
                               << "Label5";
    QTest::newRow("Text1 R47") << "Text1"
                               << "R47"
                               << "Label5";
    QTest::newRow("Text1 prompt") << "Text1"
                                  << "472"
                                  << "Label3";
    QTest::newRow("Text1 value caption") << "Text1"
                                         << "472"
                                         << "Label4";
    QTest::newRow("Text2 0000") << "Text2"
                                << "0000"
                                << "Label13";
    QTest::newRow("Text2 9999") << "Text2"
                                << "9999"
                                << "Label13";
    QTest::newRow("Text2 R100") << "Text2"
                                << "R100"
                                << "Label13";
    QTest::newRow("Text2 -.11 longest caption") << "Text2"
                                                << "-.11"
                                                << "Label13";
    QTest::newRow("Text2 prompt") << "Text2"
                                  << "2204"
                                  << "Label11";
    QTest::newRow("Text2 value caption") << "Text2"
                                         << "2204"
                                         << "Label12";
}

// The code shows whole in its box, and every caption fits its label and the label its frame.
void TestSmdPage::textsFit()
{
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, label);
    QLineEdit *edit = box(name);
    enter(edit, code, "typed");
    const QFontMetrics metrics(edit->font());
    const QRect area = textArea(edit);
    // A line edit keeps 2 pixels free at each side and centres a line of the font's height in the area.
    const int advance = metrics.horizontalAdvance(code);
    QVERIFY2(
        advance <= area.width() - 4, qPrintable(QStringLiteral("%1 px in %2").arg(advance).arg(area.width() - 4)));
    const int baseline = area.y() + (area.height() - metrics.height() + 1) / 2 + metrics.ascent();
    const QRect ink = metrics.tightBoundingRect(code).translated(0, baseline);
    QVERIFY2(ink.top() >= area.top() && ink.bottom() <= area.bottom(),
        qPrintable(QStringLiteral("ink %1..%2 in %3..%4")
                       .arg(ink.top())
                       .arg(ink.bottom())
                       .arg(area.top())
                       .arg(area.bottom())));
    auto *caption = form->findChild<QLabel *>(label);
    QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
    QVERIFY(caption->geometry().right() < caption->parentWidget()->width() - 2);
}

BARVOZNAK_GUI_TEST_MAIN(TestSmdPage)
#include "tst_smdpage.moc"
