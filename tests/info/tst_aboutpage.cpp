#include "app/form1.h"
#include "bands/colorcode.h"
#include "info/about.h"
#include "testsupport.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLocale>
#include <QProcess>
#include <QUrl>

using namespace barvoznak;

// Stands in for the desktop's browser: keeps every address it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> requests;
public slots:
    void handle(const QUrl &url) { requests << url; }
};

class TestAboutPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pictureResources_data();
    void pictureResources();
    void pictureDrawing();
    void whiteLabels_data();
    void whiteLabels();
    void descriptionLabelBelowPicture();
    void webAddressMatchesUrl();
    void linkOpensAddress_data();
    void linkOpensAddress();
    void doubleClickOpensOnce();
    void linkWithoutHandler();
    void descriptionBox();
    void inertClicks_data();
    void inertClicks();
    void accessibility_data();
    void accessibility();

private:
    QWidget *child(const QString &name) const { return form->findChild<QWidget *>(name); }
    void showTab(int index);
    bool clickShowsModal(QWidget *w, Qt::MouseButton button = Qt::LeftButton);
    QStringList state() const;
    void checkWindowResponds();

    std::unique_ptr<Form1> form;
    UrlRecorder recorder;
};

void TestAboutPage::init()
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    // The link tests must never reach a real browser.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "handle");
    recorder.requests.clear();
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    showTab(2);
}

void TestAboutPage::cleanup()
{
    form.reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QLocale::setDefault(QLocale::c());
}

void TestAboutPage::showTab(int index)
{
    QTabBar *bar = form->findChild<SSTab *>("SSTab1")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(bar->currentIndex(), index);
}

// Clicks `w` and tells whether a modal window came up meanwhile; one that does is closed so the test goes on.
bool TestAboutPage::clickShowsModal(QWidget *w, Qt::MouseButton button)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, [&seen] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            seen = true;
            modal->close();
        }
    });
    poll.start();
    QTest::mouseClick(w, button, {}, w->rect().center());
    QTest::qWait(40);
    return seen || QApplication::activeModalWidget();
}

// Everything a stray click could disturb: the band state, the read-out and the page shown.
QStringList TestAboutPage::state() const
{
    QStringList s;
    for (std::size_t i = 0; i < 5; ++i)
        s << QString::number(form->bandColor()[i]) + QLatin1Char('/') + QString::number(form->bandValue()[i]);
    s << QString::number(form->bandCount());
    for (const char *name : { "Label6", "Label7", "Label9", "Label10" })
        s << form->findChild<QLabel *>(name)->text();
    s << QString::number(form->findChild<SSTab *>("SSTab1")->currentIndex());
    return s;
}

void TestAboutPage::checkWindowResponds()
{
    showTab(0);
    QWidget *red = child(QStringLiteral("Command%1").arg(bands::buttonNumber(2, 3)));
    QVERIFY(red && red->isVisible());
    QTest::mouseClick(red, Qt::LeftButton, {}, red->rect().center());
    QCOMPARE(form->bandColor()[1], 3);
    QCOMPARE(form->findChild<QLabel *>("Label6")->text(), QStringLiteral("120 ohmů"));
}

void TestAboutPage::pictureResources_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("normal density") << ":/assets/about.png" << QSize(485, 293);
    QTest::newRow("double density") << ":/assets/about@2x.png" << QSize(970, 586);
}

void TestAboutPage::pictureResources()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QImageReader reader(resource);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestAboutPage::pictureDrawing()
{
    auto *image3 = form->findChild<Picture *>("Image3");
    QVERIFY(image3);
    QCOMPARE(image3->geometry(), QRect(8, 32, 485, 293));
    const qreal ratio = image3->devicePixelRatioF();
    const bool child = qEnvironmentVariableIsSet("BARVOZNAK_TEST_HIGH_DENSITY");
    QCOMPARE(ratio > 1, child);
    // Drawn pixel for pixel from the picture made for the screen's density, not scaled up from the other.
    const QImage drawn = image3->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected
        = QImage(ratio > 1 ? QStringLiteral(":/assets/about@2x.png") : QStringLiteral(":/assets/about.png"))
              .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.size(), expected.size());
    QCOMPARE(drawn, expected);
    if (child)
        return;
    // The same on a screen with two device pixels to the logical pixel, in a process of its own.
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("BARVOZNAK_TEST_HIGH_DENSITY"), QStringLiteral("1"));
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(), { QStringLiteral("pictureDrawing") });
    QVERIFY(run.waitForFinished(60000));
    const QByteArray output = run.readAll();
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0, output.constData());
    QVERIFY2(!output.contains("QWARN"), output.constData());
}

void TestAboutPage::whiteLabels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Label2 name and version") << "Label2"
                                             << "Barvoznak v1.2." << QPoint(24, 48) << true;
    QTest::newRow("Label23 copyright") << "Label23" << about::copyright() << QPoint(24, 88) << true;
    QTest::newRow("Label24 author") << "Label24" << about::author() << QPoint(24, 112) << true;
    QTest::newRow("Label25 web address") << "Label25" << about::webAddress() << QPoint(24, 136) << true;
    QTest::newRow("Label1 version and id line")
        << "Label1" << QStringLiteral(" v1.2.") + QString(136, QLatin1Char(' ')) + QStringLiteral("Id.:92212")
        << QPoint(8, 312) << false;
}

void TestAboutPage::whiteLabels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QPoint, place);
    QFETCH(bool, bold);
    auto *label = form->findChild<Label *>(name);
    QVERIFY(label && label->isVisible());
    QVERIFY(!text.trimmed().isEmpty());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(!label->autoFillBackground());
    const QFontInfo font(label->font());
    QVERIFY2(
        QStringList({ "Liberation Sans", "MS Sans Serif" }).contains(font.family()), qPrintable(font.family()));
    QCOMPARE(font.pixelSize(), bold ? 13 : 11);
    QCOMPARE(font.bold(), bold);
    const int advance = QFontMetrics(label->font()).horizontalAdvance(text);
    const QRect picture = child("Image3")->geometry();
    if (bold) {
        // Sized to the text, and white only where the picture is behind it.
        QCOMPARE(label->width(), label->sizeHint().width());
        QVERIFY(label->width() >= advance);
        QVERIFY2(label->height() >= 14 && label->height() <= 18, qPrintable(QString::number(label->height())));
        QVERIFY(picture.contains(label->geometry()));
    } else {
        QCOMPARE(text.size(), 151);
        QCOMPARE(label->size(), QSize(486, 13));
        QVERIFY2(advance <= label->width(), qPrintable(QStringLiteral("%1 px").arg(advance)));
        QVERIFY(label->x() + advance <= picture.right() + 1);
        QVERIFY(label->geometry().bottom() <= picture.bottom());
    }
}

void TestAboutPage::descriptionLabelBelowPicture()
{
    auto *label = form->findChild<Label *>("Label22");
    QVERIFY(label && label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("Vodivka 1 - 2"));
    QCOMPARE(label->pos(), QPoint(392, 328));
    QCOMPARE(QFontInfo(label->font()).pixelSize(), 11);
    QVERIFY(!QFontInfo(label->font()).bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), form->palette().color(QPalette::WindowText));
    QVERIFY(!label->autoFillBackground());
    QVERIFY(label->width() >= QFontMetrics(label->font()).horizontalAdvance(label->text()));
    QVERIFY(label->y() >= child("Image3")->geometry().bottom() + 1);
    QVERIFY(label->geometry().bottom() + 1 <= 345);
    QVERIFY(form->rect().contains(label->geometry()));
}

void TestAboutPage::webAddressMatchesUrl()
{
    // What the page shows and what a click opens must be the same site.
    const QUrl url(about::webUrl(), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.host(), QUrl::fromUserInput(about::webAddress()).host());
    QVERIFY(about::author().contains(QLatin1Char('@')));
    QCOMPARE(about::shortVersion(), QStringLiteral("v1.2."));
}

void TestAboutPage::linkOpensAddress_data()
{
    QTest::addColumn<int>("clicks");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("requests");
    QTest::newRow("one left click") << 1 << Qt::LeftButton << 1;
    QTest::newRow("three left clicks") << 3 << Qt::LeftButton << 3;
    QTest::newRow("right click") << 1 << Qt::RightButton << 0;
}

void TestAboutPage::linkOpensAddress()
{
    QFETCH(int, clicks);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, requests);
    QWidget *link = child("Label25");
    QCOMPARE(link->cursor().shape(), Qt::UpArrowCursor);
    for (int i = 0; i < clicks; ++i) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!clickShowsModal(link, button));
        QVERIFY(clock.elapsed() < 2000);
    }
    QCOMPARE(recorder.requests.size(), requests);
    for (const QUrl &url : recorder.requests)
        QCOMPARE(url, QUrl(about::webUrl()));
    checkWindowResponds();
}

void TestAboutPage::doubleClickOpensOnce()
{
    // As the platform delivers it: a click, a second press, the double-click and its release.
    QWidget *link = child("Label25");
    const QPoint at = link->rect().center();
    QTest::mouseClick(link, Qt::LeftButton, {}, at);
    QTest::mousePress(link, Qt::LeftButton, {}, at);
    QTest::mouseDClick(link, Qt::LeftButton, {}, at);
    QCOMPARE(recorder.requests.size(), 1);
}

void TestAboutPage::linkWithoutHandler()
{
    // Elsewhere the platform would hand the address to a real browser.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("needs the offscreen platform, which has no browser");
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QTest::ignoreMessage(QtWarningMsg,
        qPrintable(QStringLiteral("This plugin does not support "
                                  "QPlatformServices::openUrl() for '%1'.")
                       .arg(about::webUrl())));
    QVERIFY(!clickShowsModal(child("Label25")));
    QVERIFY(recorder.requests.isEmpty());
    checkWindowResponds();
}

void TestAboutPage::descriptionBox()
{
    const QStringList before = state();
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
    const testsupport::SeenBox box = testsupport::closeNextMessageBox([this] {
        QWidget *label = child("Label22");
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    });
    QVERIFY(box.seen);
    QCOMPARE(box.title, QStringLiteral("Barvoznak"));
    QCOMPARE(box.text,
        QStringLiteral("Značení uhlíkových rezistorů pomocí barevných proužků a SMD rezistorů "
                       "pomocí číselného kódu."));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.hasOk);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(state(), before);
    QVERIFY(recorder.requests.isEmpty());
    checkWindowResponds();
}

void TestAboutPage::inertClicks_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    for (const char *name : { "Label1", "Label2", "Label23", "Label24", "Image3" })
        QTest::newRow(qPrintable(QStringLiteral("about page %1").arg(name))) << 2 << name;
    for (const char *name : { "Label14", "Label15", "Label16", "Label17", "Label18", "Label19", "Image2" })
        QTest::newRow(qPrintable(QStringLiteral("data sheet %1").arg(name))) << 1 << name;
}

void TestAboutPage::inertClicks()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    showTab(tab);
    QWidget *target = child(name);
    QVERIFY(target && target->isVisible());
    const QStringList before = state();
    QVERIFY(!clickShowsModal(target));
    QVERIFY(recorder.requests.isEmpty());
    QCOMPARE(state(), before);
}

void TestAboutPage::accessibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("Image3 picture") << "Image3" << QPoint(8, 32) << QAccessible::Graphic;
    QTest::newRow("Label2 name") << "Label2" << QPoint(24, 48) << QAccessible::StaticText;
    QTest::newRow("Label23 copyright") << "Label23" << QPoint(24, 88) << QAccessible::StaticText;
    QTest::newRow("Label24 author") << "Label24" << QPoint(24, 112) << QAccessible::StaticText;
    QTest::newRow("Label25 web address") << "Label25" << QPoint(24, 136) << QAccessible::StaticText;
    QTest::newRow("Label1 id line") << "Label1" << QPoint(8, 312) << QAccessible::StaticText;
    QTest::newRow("Label22 description") << "Label22" << QPoint(392, 328) << QAccessible::StaticText;
}

void TestAboutPage::accessibility()
{
    QFETCH(QString, name);
    QFETCH(QPoint, place);
    QFETCH(QAccessible::Role, role);
    QWidget *widget = child(name);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(face && face->isValid());
    QCOMPARE(face->role(), role);
    if (role == QAccessible::StaticText)
        QCOMPARE(face->text(QAccessible::Name), qobject_cast<QLabel *>(widget)->text());
    QCOMPARE(face->rect(), QRect(form->mapToGlobal(place), widget->size()));
}

BARVOZNAK_GUI_TEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
