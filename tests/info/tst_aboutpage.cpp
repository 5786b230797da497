#include "app/form1.h"
#include "info/about.h"
#include "testsupport.h"

#include <QDesktopServices>
#include <QUrl>

using namespace barvoznak;

namespace {

// One table row on one line; C strings fill QString columns as UTF-8.
template <typename... Cells> void row(const char *tag, Cells... cells) { (QTest::newRow(tag) << ... << cells); }

} // namespace

class TestAboutPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void picture();
    void labels_data();
    void labels();
    void clicks_data();
    void clicks();

public slots:
    // Stands in for the desktop's browser: keeps every address it is asked to open.
    void openUrl(const QUrl &url) { requests << url; }

private:
    void showTab(int index) { form->findChild<QTabBar *>()->setCurrentIndex(index); }
    QStringList state() const;
    void checkWindowResponds();

    std::unique_ptr<Form1> form;
    QList<QUrl> requests;
};

void TestAboutPage::init()
{
    // The link tests must never reach a real browser.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    requests.clear();
    QVERIFY(testsupport::openWindow(form));
    showTab(2);
}

void TestAboutPage::cleanup()
{
    testsupport::closeWindow(form);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// Everything a stray click could disturb: the band state, the read-out and the page shown.
QStringList TestAboutPage::state() const
{
    QStringList s { QString::number(form->findChild<QTabBar *>()->currentIndex()) };
    for (std::size_t i = 0; i < 5; ++i)
        s << QStringLiteral("%1/%2").arg(form->bandColor()[i]).arg(form->bandValue()[i]);
    for (const char *name : { "Label6", "Label7", "Label9", "Label10" })
        s << form->findChild<QLabel *>(name)->text();
    return s;
}

void TestAboutPage::checkWindowResponds()
{
    showTab(0);
    QTest::mouseClick(form->findChild<QWidget *>("Command15"), Qt::LeftButton); // red for band 2
    QCOMPARE(form->findChild<QLabel *>("Label6")->text(), QStringLiteral("120 ohmů"));
}

void TestAboutPage::picture()
{
    auto *image3 = form->findChild<Picture *>("Image3");
    QCOMPARE(image3->geometry(), QRect(8, 32, 485, 293));
    // Drawn pixel for pixel, not scaled.
    QCOMPARE(image3->grab().toImage().convertToFormat(QImage::Format_RGB32),
        QImage(QStringLiteral(":/assets/about.png")).convertToFormat(QImage::Format_RGB32));
    QCOMPARE(QAccessible::queryAccessibleInterface(image3)->role(), QAccessible::Graphic);
}

void TestAboutPage::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place"); // an auto-sized label only by its corner
    QTest::addColumn<QString>("look");
    row("Label2 name and version", "Label2", "Barvoznak v1.2.", QRect(24, 48, 0, 0), "white bold");
    row("Label23 copyright", "Label23", about::copyright(), QRect(24, 88, 0, 0), "white bold");
    row("Label24 author", "Label24", about::author(), QRect(24, 112, 0, 0), "white bold");
    row("Label25 web address", "Label25", about::webAddress(), QRect(24, 136, 0, 0), "white bold");
    row("Label1 version and id line", "Label1", " v1.2." + QString(136, QLatin1Char(' ')) + "Id.:92212",
        QRect(8, 312, 486, 13), "white");
    row("Label22 description", "Label22", "Vodivka 1 - 2", QRect(392, 328, 0, 0), "");
}

// The white texts stand on the picture, transparent, and whole; so is the description below it.
void TestAboutPage::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QFETCH(QString, look);
    const bool white = look.contains(QLatin1String("white")), bold = look.contains(QLatin1String("bold"));
    auto *label = form->findChild<Label *>(name);
    QVERIFY(label && label->isVisible() && !text.trimmed().isEmpty());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), place.topLeft());
    QCOMPARE(label->size(), place.isEmpty() ? label->sizeHint() : place.size());
    QCOMPARE(label->palette().windowText().color(), white ? Qt::white : form->palette().windowText().color());
    QVERIFY(!label->autoFillBackground());
    QCOMPARE(QFontInfo(label->font()).pixelSize(), bold ? 13 : 11);
    QCOMPARE(QFontInfo(label->font()).bold(), bold);
    QCOMPARE(label->cursor().shape(), name == QLatin1String("Label25") ? Qt::UpArrowCursor : Qt::ArrowCursor);
    const QRect inked(label->pos(), QSize(QFontMetrics(label->font()).horizontalAdvance(text), label->height()));
    QVERIFY2(inked.width() <= label->width(), qPrintable(QStringLiteral("%1 px").arg(inked.width())));
    QVERIFY(white ? form->findChild<QWidget *>("Image3")->geometry().contains(inked)
                  : form->rect().contains(label->geometry()));
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->role(), QAccessible::StaticText);
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), text);
}

void TestAboutPage::clicks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("mouse"); // p press, r release, c click, d double-click
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("requests");
    row("link, one click", "Label25", Qt::LeftButton, "c", "", 1);
    row("link, three clicks", "Label25", Qt::LeftButton, "ccc", "", 3);
    row("link, right click", "Label25", Qt::RightButton, "c", "", 0);
    // As the platform delivers a double-click.
    row("link, a double-click counts once", "Label25", Qt::LeftButton, "cpdr", "", 1);
    row("description", "Label22", Qt::LeftButton, "c",
        "Značení uhlíkových rezistorů pomocí barevných proužků a SMD rezistorů pomocí číselného kódu.", 0);
    for (const char *name : { "Label1", "Label2", "Label23", "Label24", "Image3", "Label14", "Label15", "Label16",
             "Label17", "Label18", "Label19", "Image2" })
        row(qPrintable(QStringLiteral("inert %1").arg(name)), name, Qt::LeftButton, "c", "", 0);
}

// Only the link opens the address (once per click, with no box) and only the description shows a box; nothing
// else reacts, and the window goes on working.
void TestAboutPage::clicks()
{
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, mouse);
    QFETCH(QString, box);
    QFETCH(int, requests);
    auto *tabs = form->findChild<SSTab *>();
    QWidget *target = form->findChild<QWidget *>(name);
    for (int page = 0; page < 3; ++page)
        if (tabs->page(page)->isAncestorOf(target))
            tabs->setCurrentIndex(page);
    QVERIFY(target && target->isVisible());
    const QStringList before = state();
    const auto seen = testsupport::closeNextMessageBox([&] {
        for (QChar step : mouse)
            QTest::mouseEvent(QTest::MouseAction(QStringLiteral("prcd").indexOf(step)), target, button, {}, {});
    });
    QCOMPARE(seen.text, box);
    QCOMPARE(seen.title, seen.seen ? QStringLiteral("Barvoznak") : QString());
    QVERIFY(
        box.isEmpty() ? !seen.seen : seen.icon == QMessageBox::Information && seen.buttonCount == 1 && seen.hasOk);
    QCOMPARE(this->requests, QList<QUrl>(requests, QUrl(about::webUrl())));
    QCOMPARE(state(), before);
    checkWindowResponds();
}

BARVOZNAK_GUI_TEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
