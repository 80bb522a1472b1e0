#include "ui/application.h"
#include "ui/form2.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    vortalin::ui::Application app;
    vortalin::GameOptions& options = app.state().options;
    options[vortalin::Option::planetCount] = 6;
    options[vortalin::Option::blackHoles] = 1;
    options[vortalin::Option::repulsiveBodies] = 1;
    options[vortalin::Option::giantPlanets] = 1;
    options[vortalin::Option::supernovae] = 1;
    options[vortalin::Option::animationDelay] = 20;
    app.form2().showMaximized();
    app.form2().mappa_Click();
    return qtApp.exec();
}
