#include "app/form1.h"
#include "testsupport.h"

class Test_window : public QObject {
    Q_OBJECT
};

BARVOZNAK_GUI_TEST_MAIN(Test_window)
#include "tst_window.moc"
