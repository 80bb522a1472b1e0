#include "modulo1.h"
#include "ui/application.h"
#include "ui/platform.h"
#include "ui/toolkittexts.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    vortalin::ui::platform::WindowSystemChoice windowSystem(argc, argv);
    vortalin::ui::platform::openStorage();
    QApplication qtApp(argc, argv);
    windowSystem.forget();
    QApplication::setApplicationName(QStringLiteral("Vortalin"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.vortalin.Vortalin"));
    vortalin::ui::platform::startUp();
    vortalin::ui::installItalianToolkitTexts(); // before the first window
    vortalin::ui::Application app;
    vortalin::Modulo1::Main(app);
    return QApplication::exec();
}
