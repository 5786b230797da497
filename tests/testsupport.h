#pragma once

// What the window tests share: a fresh window for every test function, finding and clicking its controls as
// a user does, and catching the modal box an action opens.

#include "app/form1.h"
#include "table.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

namespace testsupport {

// Headless unless the environment chose a platform, which then is the program's own choice of it; set before
// QTEST_MAIN makes the application.
inline const bool kHeadless = [] {
    const bool headless = !qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (headless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    barvoznak::choosePlatform();
    return headless;
}();

// Each test function gets the main window new, under a Czech locale and shown; the desktop's browser is a
// list of the addresses it was asked to open.
class WindowTest : public QObject {
    Q_OBJECT
public slots:
    void openUrl(const QUrl &url) { requests << url; }

private slots:
    void initTestCase() { barvoznak::setUpApplication(); }
    void init()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        form = std::make_unique<barvoznak::Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup()
    {
        form.reset();
        requests.clear();
        QLocale::setDefault(QLocale::c());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

protected:
    // A control by its designed name (null if there is none).
    template <typename T = QWidget> T *find(const QString &name) const { return form->findChild<T *>(name); }
    QString text(const QString &label) const { return find<QLabel>(label)->text(); }
    QTabBar *tabs() const { return form->findChild<QTabBar *>(); }
    void showPage(int page) const
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(page).center());
    }

    std::unique_ptr<barvoznak::Form1> form;
    QList<QUrl> requests;
};

// The colour a control shows at one of its points.
inline QRgb pixel(QWidget *control, QPoint at)
{
    const QImage image = control->grab().toImage();
    return image.pixel(at * image.devicePixelRatio());
}

// What a modal message box showed: "title | text", "" if none came.
struct SeenBox {
    QString shown, accessibleName;
    bool informationWithOneOk = false;
};

// Runs `action`; a modal box it opens is recorded in `box` and closed with a click on its OK button. A box
// nobody can close fails the test instead of hanging it.
inline void closeNextMessageBox(SeenBox &box, const std::function<void()> &action)
{
    QTimer poll, watchdog;
    QObject::connect(&poll, &QTimer::timeout, [&box] {
        auto *open = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!open || !box.shown.isEmpty())
            return;
        box = { open->windowTitle() + " | " + open->text(),
            QAccessible::queryAccessibleInterface(open)->text(QAccessible::Name),
            open->icon() == QMessageBox::Information && open->buttons().size() == 1
                && open->button(QMessageBox::Ok) };
        QTest::mouseClick(open->buttons().constFirst(), Qt::LeftButton);
    });
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
    poll.start(10);
    watchdog.start(5000);
    action();
}

} // namespace testsupport
