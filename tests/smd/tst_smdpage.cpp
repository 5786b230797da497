#include "app/form1.h"
#include "testsupport.h"

class Test_smdpage : public QObject {
    Q_OBJECT
};

BARVOZNAK_GUI_TEST_MAIN(Test_smdpage)
#include "tst_smdpage.moc"
