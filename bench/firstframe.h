#pragma once

// Start-up measurement: runs the event loop until the top-level window has painted its first frame, then
// leaves, so timing the whole process measures start-up to first picture and nothing after it.
// With --verbose it also prints how long that took from main().

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace bench {

class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget *window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The window's own paint comes first in a repaint; its children and the flush to the screen follow
        // in the same pass, so a zero timer fires once the whole frame is out.
        if (watched == m_window && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

// Shows the window and runs until its first frame is out. Fails (1) if none comes within ten seconds.
inline int runUntilFirstFrame(QWidget &window, const QElapsedTimer &sinceMain, bool verbose)
{
    FirstFrame watch(&window);
    bool timedOut = false;
    QTimer::singleShot(10000, qApp, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    window.show();
    QApplication::exec();
    if (timedOut) {
        std::fprintf(stderr, "no frame painted within 10 s\n");
        return 1;
    }
    if (verbose)
        std::fprintf(stderr, "first frame %.2f ms after main() on %s\n", sinceMain.nsecsElapsed() / 1e6,
            qPrintable(QGuiApplication::platformName()));
    return 0;
}

inline bool verbose(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--verbose") == 0)
            return true;
    return false;
}

} // namespace bench
