#include "app/application.h"

#include "app/about.h"
#include "app/accessibility.h"
#include "app/colours.h"
#include "app/designstyle.h"

#include <QApplication>
#include <QTranslator>

namespace barvoznak {

void choosePlatform()
{
#ifdef Q_OS_WIN
    // Qt's default text on Windows goes through GDI, which hints each glyph to whole pixels: at the design's
    // 13 px the bold face keeps one-pixel stems and reads as regular. DirectWrite draws the outlines as
    // designed, bold as bold and crisp at every display scale.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "windows")
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=directwrite");
#endif
}

void setUpApplication()
{
    QApplication::setApplicationName(about::programName());
    QApplication::setApplicationVersion(about::version());
    QApplication::setDesktopFileName(about::appId());
    installAccessibleFactory();
    QApplication::setStyle(new DesignStyle);
    chooseColours();
    // Qt's own texts in Czech like the program's, whatever the system's language; should the translation
    // not load, they stay English.
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral(":/translations/qtbase_cs.qm")))
        QCoreApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
}

} // namespace barvoznak
