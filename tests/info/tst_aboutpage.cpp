#include "app/form1.h"
#include "testsupport.h"

class Test_aboutpage : public QObject {
    Q_OBJECT
};

BARVOZNAK_GUI_TEST_MAIN(Test_aboutpage)
#include "tst_aboutpage.moc"
