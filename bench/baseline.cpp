// What any Qt Widgets window of the same size costs to start: a plain window with one label and one push
// button, in the same style, up to its first frame. The main window is measured against it.

#include "app/design.h"
#include "firstframe.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("barvoznak-baseline"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QWidget window;
    window.setFixedSize(barvoznak::design::px(barvoznak::design::Form1).size());
    window.setWindowTitle(QStringLiteral("Baseline"));
    auto *label = new QLabel(QStringLiteral("Hodnota :"), &window);
    label->setGeometry(16, 16, 200, 20);
    auto *button = new QPushButton(QStringLiteral("OK"), &window);
    button->setGeometry(16, 48, 75, 23);
    return bench::runUntilFirstFrame(window, sinceMain, bench::verbose(argc, argv));
}
