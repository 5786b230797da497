#include "app/about.h"
#include "testsupport.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace barvoznak;

class TestWindow : public testsupport::WindowTest {
    Q_OBJECT
private slots:
    void bandsPage_data();
    void bandsPage();
    void smdPage_data();
    void smdPage();
    void clicks_data();
    void clicks();
    void layoutRules();
    void focusOrder();
    void codeBoxesAreAnnounced();
    void qtTextsInCzech();
    void boldReadsBold();
    void looksAsDesigned();
    void frameAndClosing();
};

void TestWindow::bandsPage_data()
{
    // The tag is what the user does: switch the locale, click an option, or click colours from band 1 on.
    // Then the colours of all five bands (hidden ones too) | marking | value | tolerance | buttons showing.
    QTest::addColumn<QString>("shown");
    row("Option3", "brown,black,black,black,brown | 100R | 100 ohmů | ±1 % | 49");
    row("Option2 yellow,violet,red,gold", "yellow,violet,red,gold,brown | 4K7 | 4,7 kiloohmů | ±5 % | 39");
    row("en_US Option2 yellow,violet,red,green",
        "yellow,violet,red,green,brown | 4K7 | 4.7 kiloohmů | ±0.5 % | 39");
    // Entering a mode resets the bands it adds; three bands keep bands 4 and 5 as they are.
    row("red,red,orange,blue,silver Option3", "red,red,orange,black,brown | 223R | 223 ohmů | ±1 % | 49");
    row("red,red,orange,blue,silver Option2", "red,red,orange,brown,silver | 22K | 22 kiloohmů | ±1 % | 39");
    row("brown,black,red,green,gold Option1", "brown,black,red,green,gold | 1K0 | 1 kiloohmů | ±20 % | 31");
    // A gold or silver multiplier does not stay on as the third digit of five bands (it would read 1010R).
    row("Option2 brown,black,gold Option3", "brown,black,black,black,brown | 100R | 100 ohmů | ±1 % | 49");
}

// Clicks as a user does, then reads the page after a round of the other pages: each band shape in the colour
// of the button face it was given and named by it, the read-out twice (Label9 stays centred under the body).
void TestWindow::bandsPage()
{
    QFETCH(QString, shown);
    const QStringList colours = shown.section(QStringLiteral(" | "), 0, 0).split(u',');
    auto *label9 = find<QLabel>("Label9");
    const int centre = 2 * label9->x() + label9->width();
    const auto button = [this](int band, const QString &colour) {
        return find<QPushButton>(QStringLiteral("Command%1").arg(design::buttonNumber(band, colourIndex(colour))));
    };
    for (const QString &step : QString::fromUtf8(QTest::currentDataTag()).split(u' ')) {
        if (step.contains(u'_'))
            QLocale::setDefault(QLocale(step));
        else if (step.startsWith(QLatin1String("Option")))
            QTest::mouseClick(find(step), Qt::LeftButton);
        else
            for (int band = 1; const QString &colour : step.split(u',')) {
                // Near the lower edge, where the tall red button of band 1 stands over the orange one.
                QPushButton *b = button(band++, colour);
                QVERIFY2(b->isVisible(), qPrintable(colour));
                const QPoint at = b->mapTo(form.get(), QPoint(b->width() / 2, b->height() - 3));
                QTest::mouseClick(
                    form->childAt(at), Qt::LeftButton, {}, form->childAt(at)->mapFrom(form.get(), at));
            }
    }
    for (int page : { 1, 2, 0 })
        showPage(page);
    const int bandCount = form->bandCount();
    for (int band = 1; band <= 5; ++band) {
        QPushButton *swatch = button(4, colours[band - 1]); // band 4 offers every colour
        QWidget *shape = find(QStringLiteral("Shape%1").arg(band));
        QCOMPARE(form->bandValue()[band], colourIndex(colours[band - 1]) - 1);
        QCOMPARE(shape->isVisible(), band <= bandCount);
        QCOMPARE(testsupport::pixel(shape, shape->rect().center()), testsupport::pixel(swatch, { 4, 8 }));
        QCOMPARE(QAccessible::queryAccessibleInterface(shape)->text(QAccessible::Name),
            QStringLiteral("Proužek %1: %2").arg(band).arg(swatch->text()));
    }
    const auto all = form->findChildren<QPushButton *>(QRegularExpression("^Command"));
    const auto showing = std::count_if(all.begin(), all.end(), [](QWidget *b) { return b->isVisible(); });
    QCOMPARE(QStringList({ text("Label7"), text("Label6"), text("Label10"), QString::number(showing) }),
        shown.split(QStringLiteral(" | ")).mid(1));
    QCOMPARE(text("Label9"), text("Label6"));
    QVERIFY(qAbs(2 * label9->x() + label9->width() - centre) <= 1);
}

void TestWindow::smdPage_data()
{
    // The box, with the code set first (so a result kept from it shows) and where the caret then stands ("|";
    // none: the entry replaces the whole text); the entry, typed key by key or pasted ("paste:"), in a locale
    // ("en_US:"); what the box then holds | the result.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    const QString emoji = QStringLiteral("😀"), paste = QStringLiteral("paste:");
    row("-.11 typed, the longest result", "Text2 9999", "-.11", "-.11 | -0,001 kiloohmu");
    row("English separator", "Text2 9999", "en_US:4701", "4701 | 4.7 kiloohmu");
    row("a fifth character typed at the start", "Text2 |4701", "2", "2470 | 247 ohmu");
    row("4702 pasted decodes what is left", "Text1 000", "paste:4702", "470 | 47 ohmu");
    row("shortened to nothing keeps the result", "Text1 472|", "\b\b\b", " | 4,7 kiloohmu");
    row("an emoji pasted third stays whole", "Text1 000", QString(paste + "47" + emoji + "2"),
        QString("47" + emoji + " | 47 ohmu"));
    row("a megabyte of emoji", "Text2 0000", QString(paste + emoji.repeated(1 << 19)),
        emoji.repeated(4) + " | 0 ohmu");
}

// The box keeps at most its code's length of whole characters and shows their decode, also after a round of
// the pages; the other decoder stays as it started (000 or 0000, "0 ohmu").
void TestWindow::smdPage()
{
    QFETCH(QString, before);
    QFETCH(QString, input);
    QFETCH(QString, after);
    const bool three = before.startsWith(QLatin1String("Text1"));
    auto *edit = find<QLineEdit>(before.section(u' ', 0, 0));
    auto *result = find<QLabel>(three ? "Label5" : "Label13");
    if (input.startsWith(QLatin1String("en_US:")))
        QLocale::setDefault(QLocale(input.section(u':', 0, 0)));
    showPage(1);
    edit->setText(before.section(u' ', 1).remove(u'|'));
    before.endsWith(u'|') ? edit->end(false) : before.contains(u'|') ? edit->home(false) : edit->selectAll();
    QGuiApplication::clipboard()->setText(input.section(u':', 1));
    input.startsWith(QLatin1String("paste:")) ? edit->paste() : QTest::keyClicks(edit, input.section(u':', -1));
    for (int page : { 0, 2, 1 })
        showPage(page);
    QCOMPARE(edit->text() + " | " + result->text(), after);
    QVERIFY(result->geometry().right() < result->parentWidget()->width() - 2); // inside its frame
    QCOMPARE(find<QLineEdit>(three ? "Text2" : "Text1")->text(), QString(three ? "0000" : "000"));
    QCOMPARE(text(three ? "Label13" : "Label5"), QStringLiteral("0 ohmu"));
}

void TestWindow::clicks_data()
{
    // The tag is the control and what is done to it: c click, d double-click as the platform sends it, r right
    // click, a an accessibility client's press action. Then the box that opens (title | text) and how often
    // the maker's web page is asked for; a control that reacts to neither offers no action.
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("requests");
    row("Label6 c", "Hodnota odporu je : | 100 ohmů", 0);
    row("Label7 c", "Zkrácené značení je : | 100R", 0);
    row("Label10 c", "Tolerance odporu je : | ±1 %", 0);
    const char *description = "Barvoznak | Značení uhlíkových rezistorů pomocí barevných proužků a SMD rezistorů "
                              "pomocí číselného kódu.";
    row("Label22 c", description, 0);
    row("Label22 a", description, 0);
    row("Label25 c", "", 1);
    row("Label25 ccc", "", 3);
    row("Label25 d", "", 1);
    row("Label25 rc", "", 1);
    row("Label25 a", "", 1);
    for (const char *inert : { "Label9 ca", "Image1 ca", "Label8 ca", "Label5 ca", "Label14 ca", "Image2 ca",
             "Label1 ca", "Label2 ca", "Label23 ca", "Label24 ca", "Image3 ca" })
        row(inert, "", 0);
}

// A read-out or the description opens its box (information icon, one OK, announced by its title); the link
// asks the desktop once per click to open the maker's page; nothing else reacts, nothing changes. The press
// action does what a click does, after it has returned.
void TestWindow::clicks()
{
    QFETCH(QString, box);
    QFETCH(int, requests);
    const QStringList tag = QString::fromLatin1(QTest::currentDataTag()).split(u' ');
    QWidget *target = find(tag[0]);
    for (int page = 0; !target->isVisible(); ++page)
        showPage(page);
    const QImage before = form->grab().toImage();
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(target)->actionInterface();
    QCOMPARE(actions->actionNames(),
        box.isEmpty() && !requests ? QStringList() : QStringList { QAccessibleActionInterface::pressAction() });
    bool waited = false;
    testsupport::SeenBox seen;
    testsupport::closeNextMessageBox(seen, [&] {
        for (QChar step : tag[1]) {
            if (step == u'a') {
                actions->doAction(QAccessibleActionInterface::pressAction());
                waited = !seen.shown.isEmpty() || !this->requests.isEmpty();
                QCoreApplication::processEvents();
                continue;
            }
            QTest::mouseClick(target, step == u'r' ? Qt::RightButton : Qt::LeftButton);
            if (step == u'd') {
                QTest::mousePress(target, Qt::LeftButton);
                QTest::mouseDClick(target, Qt::LeftButton);
                QTest::mouseRelease(target, Qt::LeftButton);
            }
        }
    });
    QVERIFY(!waited);
    QCOMPARE(seen.shown, box);
    QVERIFY(box.isEmpty() || (seen.informationWithOneOk && box.startsWith(seen.accessibleName + " | ")));
    QCOMPARE(this->requests, QList<QUrl>(requests, QUrl(about::webUrl())));
    QCOMPARE(form->grab().toImage(), before);
}

// The face a control's text is drawn in: bold or regular, and its size in pixels at 96 dots per inch.
struct Face {
    bool bold;
    int pixelSize;
    bool operator==(const Face &) const = default;
};

// The design's two bold fonts and, for every other control, the window's regular dialog font.
Face designedFace(const QString &control)
{
    const auto pixels = [](double points) { return qRound(points * 96 / 72); };
    static const QStringList bold975 { "Label8", "Label6", "Label7", "Label10", "Label3", "Text1", "Label4",
        "Label5", "Label11", "Text2", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17", "Label18",
        "Label19", "Label2", "Label23", "Label24", "Label25" };
    if (bold975.contains(control))
        return { true, pixels(9.75) };
    return { control == QLatin1String("Label20"), pixels(8.25) };
}

// On every page each control lies below the tab row and inside the window, shows its whole text in the face
// the design gives it, and is announced at its place with a role and, where it shows a text, by that text.
// (That none covers another but where the design has it, the reference pictures below show.)
void TestWindow::layoutRules()
{
    QStringList wrongFaces;
    for (int page = 0; page < 3; ++page) {
        showPage(page);
        for (QWidget *c : form->findChildren<QWidget *>(QRegularExpression("^(?!SSTab).")))
            if (c->isVisible() && !c->isAncestorOf(tabs())) {
                const QRect place(c->mapTo(form.get(), QPoint()), c->size());
                QVERIFY2(
                    form->rect().adjusted(0, tabs()->height(), 0, 0).contains(place), qPrintable(c->objectName()));
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
                QVERIFY(a->role() != QAccessible::Client && a->role() != QAccessible::NoRole);
                QCOMPARE(a->rect(), QRect(form->mapToGlobal(place.topLeft()), place.size()));
                const auto *label = qobject_cast<QLabel *>(c);
                const auto *button = qobject_cast<QAbstractButton *>(c);
                const auto *box = qobject_cast<QLineEdit *>(c);
                const auto *frame = qobject_cast<QGroupBox *>(c);
                const QString text = label ? label->text() : button ? button->text() : QString();
                QVERIFY(text.isEmpty() || a->text(QAccessible::Name) == text);
                QVERIFY2(c->fontMetrics().horizontalAdvance(text) <= c->width(), qPrintable(c->objectName()));
                // What the font engine found, not what was asked: a platform may give a regular face for a
                // bold request or another size where a face has only some.
                const QFontInfo found(c->font());
                const Face face { found.bold(), found.pixelSize() }, designed = designedFace(c->objectName());
                if ((!text.isEmpty() || box || frame) && face != designed)
                    wrongFaces << QStringLiteral("page %1, %2: %3 %4 %5 px, designed %6 %7 px")
                                      .arg(page + 1)
                                      .arg(c->objectName(), found.family(), face.bold ? "bold" : "regular")
                                      .arg(face.pixelSize)
                                      .arg(designed.bold ? "bold" : "regular")
                                      .arg(designed.pixelSize);
            }
    }
    QVERIFY2(wrongFaces.isEmpty(), qPrintable(wrongFaces.join(QStringLiteral("; "))));
}

// The keys go through the tab row, band 1's buttons, the band-count options, the buttons of bands 2 to 5
// column by column, each from the top, and the two code boxes.
void TestWindow::focusOrder()
{
    QList<QWidget *> expected; // the buttons are numbered twelve to a band, in the order of the colours
    for (int n = 1; n <= 60; ++n) {
        if (QWidget *button = find(QStringLiteral("Command%1").arg(n)))
            expected << button;
        if (n == 12)
            expected << find("Option1") << find("Option2") << find("Option3");
    }
    expected << find("Text1") << find("Text2");
    QList<QWidget *> chain;
    for (QWidget *c = tabs()->nextInFocusChain(); c != tabs(); c = c->nextInFocusChain())
        if (c->focusPolicy() & Qt::TabFocus && !c->focusProxy() && !tabs()->isAncestorOf(c))
            chain << c;
    QCOMPARE(chain, expected);
}

// A screen reader names each code box by the label in front of it and describes it by its frame's caption;
// the value it decodes into is found from the box, and the box from the value, which "Hodnota :" labels.
void TestWindow::codeBoxesAreAnnounced()
{
    const auto a = [this](const char *name) { return QAccessible::queryAccessibleInterface(find(name)); };
    for (const auto &[box, prompt, frame, value, caption] :
        { std::array { "Text1", "Label3", "Frame2", "Label5", "Label4" },
            std::array { "Text2", "Label11", "Frame3", "Label13", "Label12" } }) {
        QCOMPARE(a(box)->text(QAccessible::Name), text(prompt));
        QVERIFY(a(prompt)->relations(QAccessible::Labelled).contains({ a(box), QAccessible::Labelled }));
        QCOMPARE(a(box)->text(QAccessible::Description), a(frame)->text(QAccessible::Name));
        QVERIFY(a(box)->relations(QAccessible::Controlled).contains({ a(value), QAccessible::Controlled }));
        QVERIFY(a(value)->relations().contains({ a(box), QAccessible::Controller }));
        QVERIFY(a(value)->relations().contains({ a(caption), QAccessible::Label }));
    }
    QCOMPARE(a("Label25")->role(), QAccessible::Link);
    QCOMPARE(a("Label25")->text(QAccessible::Description), about::webUrl());
}

// How much darker than the background a control's pixels are, summed.
static qint64 ink(QWidget *control)
{
    const QImage image = control->grab().toImage();
    const int background = qGray(image.pixel(0, 0));
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qMax(0, background - qGray(image.pixel(x, y)));
    return sum;
}

// A bold label reads bold: its strokes carry clearly more ink than the same text in the regular face (a
// face drawn regular with bold spacing comes to little more).
void TestWindow::boldReadsBold()
{
    auto *bold = find<QLabel>("Label8");
    QLabel regular(bold->text(), bold->parentWidget());
    QFont font = bold->font();
    font.setBold(false);
    regular.setFont(font);
    regular.setGeometry(bold->geometry());
    regular.setAutoFillBackground(true);
    const double ratio = double(ink(bold)) / double(ink(&regular));
    QVERIFY2(ratio >= 1.3, qPrintable(QStringLiteral("bold %1 only %2 times the ink of regular")
                                          .arg(QFontInfo(bold->font()).family())
                                          .arg(ratio, 0, 'f', 2)));
}

// Qt's own texts are Czech too, whatever the system's language: a right click in a code box offers its
// editing commands in Czech.
void TestWindow::qtTextsInCzech()
{
    showPage(1);
    auto *box = find<QLineEdit>("Text1");
    QStringList offered;
    QTimer::singleShot(0, this, [&offered] {
        QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (const QAction *action : menu ? menu->actions() : QList<QAction *>())
            if (!action->isSeparator())
                offered << action->text().section(u'\t', 0, 0);
        if (menu)
            menu->close();
    });
    // Through the window, as the platform delivers a click, so Qt makes its context-menu event of it.
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, box->mapTo(form.get(), box->rect().center()));
    QCOMPARE(offered,
        QStringList({ "&Zpět", "&Znovu", "&Vyjmout", "&Kopírovat", "&Vložit", "Smazat", "Vybrat vše" }));
}

// Each page rendered offscreen against a reference rendered the same way and looked at by a person: a control
// out of place, a wrong colour, a missing bevel or caption, a blurred picture show up here. The references
// were made on Linux with Liberation Sans under FreeType, so elsewhere this is skipped.
// BARVOZNAK_WRITE_REFERENCES=1 writes new ones; a failure writes what it saw and where it differs into the working
// directory.
void TestWindow::looksAsDesigned()
{
    if (QFontInfo(find("Label6")->font()).family() != QLatin1String("Liberation Sans")
        || QGuiApplication::platformName() != QLatin1String("offscreen") || QSysInfo::kernelType() != "linux")
        QSKIP("the references are rendered offscreen on Linux with Liberation Sans");
    QStringList failures;
    for (int page = 0; page < 3; ++page) {
        showPage(page);
        const QImage shot = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name
            = QStringLiteral("page%1%2.png").arg(page + 1).arg(shot.devicePixelRatio() > 1 ? "@2x" : "");
        const QString reference = QStringLiteral(BARVOZNAK_REFERENCE_DIR "/") + name;
        if (qEnvironmentVariableIntValue("BARVOZNAK_WRITE_REFERENCES"))
            shot.save(reference);
        const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot.size(), expected.size());
        QImage difference(shot.size(), QImage::Format_Mono);
        int differing = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QRgb a = shot.pixel(x, y), b = expected.pixel(x, y);
                const bool differs
                    = qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 48;
                difference.setPixel(x, y, differs);
                differing += differs;
            }
        if (differing > 8 && shot.save("actual-" + name) && difference.save("difference-" + name))
            failures << QStringLiteral("%1 pixels differ from %2").arg(differing).arg(reference);
    }
    QVERIFY2(failures.isEmpty(),
        qPrintable(failures.join("; ") + "; see actual-* and difference-* in " + QDir::currentPath()));
}

// A fixed frame with a close box and a minimise box, no maximise box, an icon, the first page shown; closing
// it on another page ends the program.
void TestWindow::frameAndClosing()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Barvoznak"));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags boxes = Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QCOMPARE(form->windowFlags() & (boxes | Qt::WindowMaximizeButtonHint), boxes);
    QVERIFY(!form->windowIcon().pixmap(32).isNull());
    QCOMPARE(tabs()->currentIndex(), 0);
    showPage(1);
    bool quit = false;
    connect(qApp, &QCoreApplication::aboutToQuit, this, [&quit] { quit = true; });
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(quit && !form->isVisible());
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
