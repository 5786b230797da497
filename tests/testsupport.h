#pragma once

// Shared by the window tests: a main that runs headless unless a platform was chosen, and a way to read
// and close the modal message box that an action opens.

#include "app/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace testsupport {

// A fresh main window under a Czech locale, shown and exposed; closeWindow undoes both.
inline bool openWindow(std::unique_ptr<barvoznak::Form1> &form)
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    form = std::make_unique<barvoznak::Form1>();
    form->show();
    return QTest::qWaitForWindowExposed(form.get());
}

inline void closeWindow(std::unique_ptr<barvoznak::Form1> &form)
{
    form.reset();
    QLocale::setDefault(QLocale::c());
}

struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool hasOk = false;
    QString accessibleName; // what a screen reader announces for the box
    int accessibleRole = 0;
};

// Runs `action`, which is expected to open one modal message box; records it and closes it with a click on
// its OK button. A box that never comes, or one nobody can close, fails the test instead of hanging it.
inline SeenBox closeNextMessageBox(const std::function<void()> &action)
{
    SeenBox box;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&box] {
        auto *open = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!open || box.seen)
            return;
        box.seen = true;
        box.title = open->windowTitle();
        box.text = open->text();
        box.icon = open->icon();
        box.buttonCount = int(open->buttons().size());
        if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(open)) {
            box.accessibleName = a->text(QAccessible::Name);
            box.accessibleRole = int(a->role());
        }
        QAbstractButton *ok = open->button(QMessageBox::Ok);
        box.hasOk = ok != nullptr;
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            open->reject();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
    poll.start();
    watchdog.start(5000);
    action();
    poll.stop();
    watchdog.stop();
    return box;
}

} // namespace testsupport

// Headless unless the environment chose a platform, and in the program's own style.
#define BARVOZNAK_GUI_TEST_MAIN(TestObject)                                                                       \
    int main(int argc, char *argv[])                                                                              \
    {                                                                                                             \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                              \
        QApplication app(argc, argv);                                                                             \
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));                                  \
        TestObject test;                                                                                          \
        return QTest::qExec(&test, argc, argv);                                                                   \
    }
