#pragma once

// What the window tests share: a fresh window, finding and clicking its controls as a user does, and
// catching the modal box an action opens.

#include "app/form1.h"
#include "table.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>

#include <functional>
#include <memory>

namespace testsupport {

// Headless unless the environment chose a platform, and in the program's own look; set before QTEST_MAIN
// makes the application.
inline const bool kEnvironment = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return qputenv("QT_STYLE_OVERRIDE", "Fusion");
}();

// The main window under a Czech locale, shown; the locale goes back to C with it.
struct Window {
    Window()
    {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
        form = std::make_unique<barvoznak::Form1>();
        form->show();
        exposed = QTest::qWaitForWindowExposed(form.get());
    }
    ~Window() { QLocale::setDefault(QLocale::c()); }

    // A control by its designed name (null if there is none).
    template <typename T = QWidget> T *find(const QString &name) const { return form->findChild<T *>(name); }
    QString text(const QString &label) const { return find<QLabel>(label)->text(); }
    QTabBar *tabs() const { return form->findChild<QTabBar *>(); }
    void showPage(int page) const
    {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(page).center());
    }
    // Clicks whatever shows at that point of the control, as a mouse does.
    void click(QWidget *control, QPoint at) const
    {
        const QPoint inForm = control->mapTo(form.get(), at);
        QWidget *hit = form->childAt(inForm);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(form.get(), inForm));
    }

    std::unique_ptr<barvoznak::Form1> form;
    bool exposed = false;
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
