// The program's own start-up, as src/app/main.cpp does it, up to the main window's first frame.

#include "app/application.h"
#include "app/form1.h"
#include "firstframe.h"

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    barvoznak::setUpApplication();

    barvoznak::Form1 form;
    return bench::runUntilFirstFrame(form, sinceMain, bench::verbose(argc, argv));
}
