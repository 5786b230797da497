#include "app/form1.h"
#include "testsupport.h"

#include <QClipboard>
#include <QLineEdit>
#include <QStyle>

using namespace barvoznak;

namespace {

const QString kEmoji = QStringLiteral("😀"); // one character, two UTF-16 code units

int textEnd(const QLabel *label) { return label->x() + label->fontMetrics().horizontalAdvance(label->text()); }

} // namespace

class TestSmdPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void entry_data();
    void entry();
    void englishSeparator();
    void placesAndAccessibility_data();
    void placesAndAccessibility();

private:
    QLineEdit *box(const QString &name) const { return form->findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) const { return form->findChild<QLabel *>(name); }

    std::unique_ptr<Form1> form;
};

// Every test starts from a fresh window on the SMD page (the window of the test before goes here).
void TestSmdPage::init()
{
    QVERIFY(testsupport::openWindow(form));
    form->findChild<SSTab *>("SSTab1")->setCurrentIndex(1);
}

void TestSmdPage::entry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before"); // set first, so a result kept from it shows
    QTest::addColumn<int>("cursor"); // -1: the entry replaces the whole text
    QTest::addColumn<QString>("how"); // typed key by key, pasted, or set as the whole text
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    const QString ctrl = QStringLiteral("4\u00012\u007F"), fours(1 << 20, u'4'), emojis = kEmoji.repeated(1 << 19);
    const auto row = [](const char *tag, const char *name, const char *before, int cursor, const char *how,
                         const QString &input, const QString &text, const char *result) {
        QTest::newRow(tag) << name << before << cursor << how << input << text << QString::fromUtf8(result);
    };
    row("Text1 472 typed", "Text1", "999", -1, "typed", "472", "472", "4,7 kiloohmu");
    row("Text1 R47 typed", "Text1", "999", -1, "typed", "R47", "R47", "0,47 ohmu");
    row("Text1 4R7 pasted", "Text1", "999", -1, "pasted", "4R7", "4R7", "4,7 ohmu");
    row("Text2 R100 typed", "Text2", "9999", -1, "typed", "R100", "R100", "0,1 ohmu");
    row("Text2 -.11 longest result", "Text2", "9999", -1, "typed", "-.11", "-.11", "-0,001 kiloohmu");
    row("Text2 2204 set", "Text2", "9999", -1, "set", "2204", "2204", "2,2 megaohmu");
    row("Text1 fourth typed at end", "Text1", "101", 3, "typed", "9", "101", "100 ohmu");
    row("Text2 fifth typed at start", "Text2", "4701", 0, "typed", "2", "2470", "247 ohmu");
    row("Text1 4702 pasted decodes the cut", "Text1", "000", -1, "pasted", "4702", "470", "47 ohmu");
    row("Text1 shortened to empty keeps result", "Text1", "472", 3, "typed", "\b\b\b", "", "4,7 kiloohmu");
    row("Text1 emoji pasted third", "Text1", "000", -1, "pasted", "47" + kEmoji + "2", "47" + kEmoji, "47 ohmu");
    row("Text2 emoji megabyte pasted", "Text2", "0000", -1, "pasted", emojis, kEmoji.repeated(4), "0 ohmu");
    row("Text1 megabyte pasted", "Text1", "000", -1, "pasted", fours, "444", "440 kiloohmu");
    row("Text1 control characters pasted", "Text1", "000", -1, "pasted", ctrl, ctrl.left(3), "0,4 kiloohmu");
    row("Text1 right-to-left mark first", "Text1", "000", -1, "pasted", "\u200F472", "\u200F47", "0 megaohmu");
}

// The box keeps at most its first 3 (4) whole characters, quickly, and shows their decode, also after a
// round of the tabs; the other decoder stays in its start state (000 or 0000, "0 ohmu"). A typed or set code shows
// whole in its box (2 px free at each side, a line of the font's height centred) and the result fits its frame.
void TestSmdPage::entry()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, result);
    const bool three = name == QLatin1String("Text1");
    QLineEdit *edit = box(name);
    QLabel *shown = label(three ? "Label5" : "Label13");
    edit->setText(before);
    const QDeadlineTimer deadline(5000);
    cursor < 0 ? edit->selectAll() : edit->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(input);
    if (how == QLatin1String("typed"))
        QTest::keyClicks(edit, input);
    else
        how == QLatin1String("pasted") ? edit->paste() : edit->setText(input);
    QVERIFY(!deadline.hasExpired());
    QTabBar *tabs = form->findChild<SSTab *>("SSTab1")->tabBar();
    for (int tab : { 0, 2, 1 })
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
    QCOMPARE(edit->text(), text);
    QVERIFY(edit->text().isValidUtf16());
    QCOMPARE(shown->text(), result);
    QVERIFY(shown->geometry().right() < shown->parentWidget()->width() - 2);
    QCOMPARE(box(three ? "Text2" : "Text1")->text(), QString(three ? "0000" : "000"));
    QCOMPARE(label(three ? "Label13" : "Label5")->text(), QStringLiteral("0 ohmu"));
    if (how == QLatin1String("pasted"))
        return;
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const QRect area = edit->rect().adjusted(frame, frame, -frame, -frame) - edit->textMargins();
    const QFontMetrics metrics(edit->font());
    QVERIFY(metrics.horizontalAdvance(text) <= area.width() - 4);
    const int baseline = area.y() + (area.height() - metrics.height() + 1) / 2 + metrics.ascent();
    const QRect ink = metrics.tightBoundingRect(text).translated(0, baseline);
    QVERIFY(ink.top() >= area.top() && ink.bottom() <= area.bottom());
}

void TestSmdPage::englishSeparator()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    box("Text1")->setText("472");
    QCOMPARE(label("Label5")->text(), QStringLiteral("4.7 kiloohmu"));
}

void TestSmdPage::placesAndAccessibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame"); // the parent; none for the page
    QTest::addColumn<QRect>("place"); // in the parent; an empty size for a label that sizes itself
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("text"); // read out as the value of a box, else as the name
    const auto row = [](const char *name, const char *frame, QRect place, int role, const char *text) {
        QTest::newRow(name) << name << frame << place << role << QString::fromUtf8(text);
    };
    row("Frame2", "", QRect(8, 33, 241, 81), QAccessible::Grouping, "Tolerance 1%");
    row("Frame3", "", QRect(8, 121, 241, 81), QAccessible::Grouping, "Tolerance 5%");
    row("Text1", "Frame2", QRect(168, 24, 32, 21), QAccessible::EditableText, "472");
    row("Text2", "Frame3", QRect(168, 24, 41, 19), QAccessible::EditableText, "2204");
    row("Label5", "Frame2", QRect(104, 48, 0, 0), QAccessible::StaticText, "4,7 kiloohmu");
    row("Label13", "Frame3", QRect(104, 48, 0, 0), QAccessible::StaticText, "2,2 megaohmu");
    row("Image2", "", QRect(256, 41, 237, 139), QAccessible::Graphic, "");
    const char *sheet[] = {
        "Jm. zatížení při 70°C .............................................................0,25W",
        "Rozsah hodnot  v E24 .............................1ohm až 10 megaohmů",
        "Tolerance.........................................................................±5%, ±1%",
        "Teplotní stabilita........................................................±100ppm/°C",
        "Maximální napětí trvale...........................................................200V",
        "Maximílní napětí krátkodob....................................................400V",
    };
    for (int i = 0; i < 6; ++i)
        row(qPrintable(QStringLiteral("Label%1").arg(14 + i)), "", QRect(32, 217 + 16 * i, 0, 0),
            QAccessible::StaticText, sheet[i]);
}

// Where the design puts it, on screen and for a screen reader; a label shows its whole text inside its
// parent, and a data sheet line's leader of full stops brings its value to about every other line's end.
void TestSmdPage::placesAndAccessibility()
{
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QRect, place);
    QFETCH(int, role);
    QFETCH(QString, text);
    box("Text1")->setText("472");
    box("Text2")->setText("2204");
    auto *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget && widget->isVisible());
    QCOMPARE(widget->parentWidget()->objectName(), frame);
    QCOMPARE(widget->pos(), place.topLeft());
    if (!place.isEmpty())
        QCOMPARE(widget->size(), place.size());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(qobject_cast<QLineEdit *>(widget) ? QAccessible::Value : QAccessible::Name), text);
    // Frames lie on the page, which starts at the window's corner.
    const QPoint inWindow = place.topLeft() + (frame.isEmpty() ? QPoint() : widget->parentWidget()->pos());
    QCOMPARE(iface->rect(), QRect(form->mapToGlobal(inWindow), widget->size()));
    auto *shown = qobject_cast<QLabel *>(widget);
    if (!shown)
        return;
    QCOMPARE(shown->text(), text);
    QVERIFY(shown->width() >= shown->fontMetrics().horizontalAdvance(text));
    QVERIFY(shown->geometry().right() < shown->parentWidget()->width() - 2);
    for (int n = 14; frame.isEmpty() && n <= 19; ++n)
        QVERIFY2(qAbs(textEnd(shown) - textEnd(label(QStringLiteral("Label%1").arg(n)))) <= 12, qPrintable(name));
}

BARVOZNAK_GUI_TEST_MAIN(TestSmdPage)
#include "tst_smdpage.moc"
