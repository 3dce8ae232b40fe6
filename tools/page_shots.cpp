// Saves a picture of the main window with each setting page in front, and one of each
#include "widgets/MultiRowTabs.h"
// secondary window, for looking at the layout: page_shots OUTPUT_FOLDER
#include "console/MainScreenCardDispenser.h"
#include "console/Startup.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    auto screen = createMainScreen();
    screen->show();
    auto* pages = screen->findChild<MultiRowTabs*>(QStringLiteral("TabCoinCurrency"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        const QString name = pages->widget(i)->objectName();
        screen->grab().save(out.filePath(
            QStringLiteral("%1-%2.png").arg(i + 1, 2, 10, QLatin1Char('0')).arg(name)));
    }
    for (const char* window : {"AboutForm", "HelpForm", "TrailingEdgeForm", "TimeVendForm"}) {
        auto* w = screen->findChild<QWidget*>(QString::fromLatin1(window));
        w->show();
        QApplication::processEvents();
        w->grab().save(
            out.filePath(QStringLiteral("window-%1.png").arg(QString::fromLatin1(window))));
    }
    return 0;
}
