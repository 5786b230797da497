#include "app/form1.h"
#include "testsupport.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>

using namespace barvoznak;

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowFrame();
    void tabs();
    void designedPlaces_data();
    void designedPlaces();
    void nothingUnderTheTabRow();
    void fontsAndFit();
    void focusOrder();
    void keyboardActivates_data();
    void keyboardActivates();
    void bandShapesTellTheirColour();
    void messageBoxIsAnnounced();
    void closingEndsTheProgram();

private:
    std::unique_ptr<Form1> form;
};

void TestWindow::init() { QVERIFY(testsupport::openWindow(form)); }

void TestWindow::cleanup() { testsupport::closeWindow(form); }

void TestWindow::windowFrame()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Barvoznak"));
    QCOMPARE(form->size(), QSize(505, 345));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(!form->windowIcon().pixmap(32, 32).isNull());
    QCOMPARE(form->findChild<QWidget *>("SSTab1")->geometry(), QRect(0, 0, 505, 345));
    form->showMinimized();
    QTRY_VERIFY(form->isMinimized());
}

void TestWindow::tabs()
{
    auto *bar = form->findChild<QTabBar *>();
    QCOMPARE(bar->count(), 3);
    QCOMPARE(bar->tabText(0), QStringLiteral("Uhlíkový rezistor"));
    QCOMPARE(bar->tabText(1), QStringLiteral("SMD Rezistor - vel. 1206"));
    QCOMPARE(bar->tabText(2), QStringLiteral("O programu"));
    QCOMPARE(bar->currentIndex(), 0);
    for (int i = 0; i < 3; ++i) {
        // Each caption fits its tab without being shortened.
        QVERIFY(bar->tabRect(i).width() >= bar->fontMetrics().horizontalAdvance(bar->tabText(i)) + 8);
        QVERIFY(bar->tabRect(i).right() < 505);
    }
    // Only the selected page's controls show, and each page keeps its state while hidden.
    QVERIFY(form->findChild<QWidget *>("Command2")->isVisible());
    QVERIFY(!form->findChild<QWidget *>("Text1")->isVisible());
    QTest::mouseClick(form->findChild<QPushButton *>("Command15"), Qt::LeftButton);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(bar->currentIndex(), 1);
    QVERIFY(!form->findChild<QWidget *>("Command2")->isVisible());
    QVERIFY(form->findChild<QWidget *>("Text1")->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(form->findChild<QLabel *>("Label7")->text(), QStringLiteral("120R"));
}

void TestWindow::designedPlaces_data()
{
    // Window pixels from the designed twips (divided by 15, rounded); an auto-sized label only by its corner.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("text");
    const int button = QAccessible::Button, label = QAccessible::StaticText, image = QAccessible::Graphic;
    QTest::newRow("page title") << "Label20" << QRect(151, 24, 0, 0) << label
                                << "Uhlíkový rezistor 0,25W - velikost 0207";
    QTest::newRow("resistor drawing") << "Image1" << QRect(8, 41, 490, 91) << image << "";
    QTest::newRow("band 1 shape") << "Shape1" << QRect(200, 41, 9, 45) << image << "Proužek 1: Hnědá";
    QTest::newRow("band 2 shape") << "Shape2" << QRect(217, 42, 9, 44) << image << "Proužek 2: Černá";
    QTest::newRow("band 3 shape") << "Shape3" << QRect(237, 48, 9, 34) << image << "Proužek 3: Černá";
    QTest::newRow("band 4 shape") << "Shape4" << QRect(257, 48, 9, 34) << image << "Proužek 4: Černá";
    QTest::newRow("band 5 shape") << "Shape5" << QRect(285, 41, 9, 45) << image << "Proužek 5: Hnědá";
    QTest::newRow("value under the body") << "Label9" << QRect(231, 92, 0, 0) << label << "100 ohmů";
    QTest::newRow("band 1 brown") << "Command2" << QRect(16, 153, 65, 17) << button << "Hnědá";
    QTest::newRow("band 1 red, taller") << "Command3" << QRect(16, 168, 65, 24) << button << "Červená";
    QTest::newRow("band 1 orange") << "Command4" << QRect(16, 185, 65, 17) << button << "Oranžová";
    QTest::newRow("band 2 black") << "Command13" << QRect(88, 137, 65, 17) << button << "Černá";
    QTest::newRow("band 3 silver, hidden") << "Command36" << QRect(160, 313, 65, 17) << button << "Stříbrná";
    QTest::newRow("band 4 white") << "Command46" << QRect(232, 281, 65, 17) << button << "Bílá";
    QTest::newRow("band 5 brown") << "Command50" << QRect(304, 153, 65, 17) << button << "Hnědá";
    QTest::newRow("band 5 silver") << "Command60" << QRect(304, 313, 65, 17) << button << "Stříbrná";
    QTest::newRow("band count frame") << "Frame1" << QRect(384, 137, 105, 73) << int(QAccessible::Grouping)
                                      << "Počet proužků";
    QTest::newRow("3 bands") << "Option1" << QRect(392, 153, 73, 13) << int(QAccessible::RadioButton)
                             << "3 proužky";
    QTest::newRow("4 bands") << "Option2" << QRect(392, 169, 73, 13) << int(QAccessible::RadioButton)
                             << "4 proužky";
    QTest::newRow("5 bands") << "Option3" << QRect(392, 185, 73, 13) << int(QAccessible::RadioButton)
                             << "5 proužků";
    QTest::newRow("Hodnota") << "Label8" << QRect(384, 217, 0, 0) << label << "Hodnota :";
    QTest::newRow("line under Hodnota") << "Line1" << QRect(384, 233, 105, 1) << int(QAccessible::Separator) << "";
    QTest::newRow("value") << "Label6" << QRect(392, 241, 0, 0) << label << "100 ohmů";
    QTest::newRow("marking") << "Label7" << QRect(392, 265, 0, 0) << label << "100R";
    QTest::newRow("line over the tolerance")
        << "Line2" << QRect(392, 289, 97, 1) << int(QAccessible::Separator) << "";
    QTest::newRow("tolerance") << "Label10" << QRect(392, 297, 0, 0) << label << "±1 %";
}

// Every control where the design puts it, as itself and to an accessibility client.
void TestWindow::designedPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(int, role);
    QFETCH(QString, text);
    auto *w = form->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    if (place.isEmpty())
        place.setSize(w->size());
    QCOMPARE(QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()), place);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a);
    QCOMPARE(int(a->role()), role);
    QCOMPARE(a->text(QAccessible::Name), text);
    if (w->isVisible())
        QCOMPARE(a->rect(), QRect(form->mapToGlobal(place.topLeft()), place.size()));
}

// The tab row is drawn over the pages' top edge and must not cover any control.
void TestWindow::nothingUnderTheTabRow()
{
    auto *bar = form->findChild<QTabBar *>();
    QVERIFY(bar->height() <= 20);
    for (int page = 0; page < 3; ++page) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (!w->isVisible() || w == bar || bar->isAncestorOf(w) || w->isAncestorOf(bar))
                continue;
            if (w->objectName().isEmpty() || w->objectName() == QLatin1String("SSTab1"))
                continue;
            QVERIFY2(w->mapTo(form.get(), QPoint(0, 0)).y() >= bar->height(), qPrintable(w->objectName()));
            QVERIFY2(
                QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()).bottom() < 345, qPrintable(w->objectName()));
        }
    }
}

void TestWindow::fontsAndFit()
{
    const QStringList faces { QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans") };
    auto *label6 = form->findChild<QLabel *>("Label6");
    QVERIFY2(faces.contains(QFontInfo(label6->font()).family()), qPrintable(QFontInfo(label6->font()).family()));
    QVERIFY(QFontInfo(label6->font()).bold());
    QCOMPARE(QFontInfo(label6->font()).pixelSize(), 13);
    auto *label20 = form->findChild<QLabel *>("Label20");
    QCOMPARE(QFontInfo(label20->font()).pixelSize(), 11);
    QVERIFY(QFontInfo(label20->font()).bold());
    // Centred across the page, as designed.
    QVERIFY(qAbs(label20->x() * 2 + label20->width() - 505) <= 2);

    for (QPushButton *b : form->findChildren<QPushButton *>()) {
        if (!b->objectName().startsWith(QLatin1String("Command")))
            continue;
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4, qPrintable(b->objectName()));
        QVERIFY(!QFontInfo(b->font()).bold());
    }
    for (const char *name : { "Option1", "Option2", "Option3" }) {
        auto *o = form->findChild<QRadioButton *>(name);
        const int needed = o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, o)
            + o->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, o)
            + o->fontMetrics().horizontalAdvance(o->text());
        QVERIFY2(needed <= o->width(), name);
    }
    for (QLabel *l : form->findChildren<QLabel *>())
        if (!l->text().isEmpty())
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->width(), qPrintable(l->objectName()));
}

void TestWindow::focusOrder()
{
    QStringList expected;
    for (int n = 2; n <= 10; ++n)
        expected << QStringLiteral("Command%1").arg(n);
    expected << "Option1"
             << "Option2"
             << "Option3";
    for (int n : { 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38,
             39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 50, 51, 54, 55, 56, 57, 59, 60 })
        expected << QStringLiteral("Command%1").arg(n);
    expected << "Text1"
             << "Text2";

    QStringList chain;
    QWidget *w = form->findChild<QTabBar *>();
    QVERIFY(w->focusPolicy() & Qt::TabFocus);
    for (w = w->nextInFocusChain(); w != form->findChild<QTabBar *>(); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()
            && w->parentWidget() != form->findChild<QTabBar *>())
            chain << w->objectName();
    QCOMPARE(chain, expected);
}

void TestWindow::keyboardActivates_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("bandCount");
    QTest::addColumn<int>("band1");
    QTest::newRow("yellow for band 1") << "Command5" << 5 << 5;
    QTest::newRow("three bands") << "Option1" << 3 << 2;
    QTest::newRow("four bands") << "Option2" << 4 << 2;
}

// Space on the focused colour button or option does what a click does.
void TestWindow::keyboardActivates()
{
    QFETCH(QString, control);
    QFETCH(int, bandCount);
    QFETCH(int, band1);
    auto *w = form->findChild<QWidget *>(control);
    w->setFocus(Qt::TabFocusReason);
    QVERIFY(w->hasFocus());
    QTest::keyClick(w, Qt::Key_Space);
    QCOMPARE(form->bandCount(), bandCount);
    QCOMPARE(form->bandColor()[0], band1);
}

// The names follow every paint: clicks, and the mode switches that repaint bands 4 and 5.
void TestWindow::bandShapesTellTheirColour()
{
    const auto name = [this](int band) {
        auto *shape = form->findChild<QWidget *>(QStringLiteral("Shape%1").arg(band));
        return QAccessible::queryAccessibleInterface(shape)->text(QAccessible::Name);
    };
    QTest::mouseClick(form->findChild<QPushButton *>("Command5"), Qt::LeftButton);
    QTest::mouseClick(form->findChild<QPushButton *>("Command60"), Qt::LeftButton);
    QCOMPARE(name(1), QStringLiteral("Proužek 1: Žlutá"));
    QCOMPARE(name(5), QStringLiteral("Proužek 5: Stříbrná"));
    QTest::mouseClick(form->findChild<QRadioButton *>("Option2"), Qt::LeftButton);
    QCOMPARE(name(4), QStringLiteral("Proužek 4: Hnědá"));
}

void TestWindow::messageBoxIsAnnounced()
{
    const auto box = testsupport::closeNextMessageBox(
        [this] { QTest::mouseClick(form->findChild<QLabel *>("Label7"), Qt::LeftButton); });
    QVERIFY(box.seen);
    QCOMPARE(box.accessibleName, QStringLiteral("Zkrácené značení je :"));
    QVERIFY(box.accessibleRole == QAccessible::AlertMessage || box.accessibleRole == QAccessible::Dialog);
}

void TestWindow::closingEndsTheProgram()
{
    auto *bar = form->findChild<QTabBar *>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    bool quitSeen = false;
    connect(qApp, &QCoreApplication::aboutToQuit, this, [&quitSeen] { quitSeen = true; });
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(quitSeen);
    QVERIFY(!form->isVisible());
}

BARVOZNAK_GUI_TEST_MAIN(TestWindow)
#include "tst_window.moc"
