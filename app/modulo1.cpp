#include "modulo1.h"

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/form4.h"

#include "assets/artwork.h"

#include <QApplication>

namespace vortalin::Modulo1 {

void Main(ui::Application& app) {
    ui::useCatalogueFonts();
    QApplication::setWindowIcon(art::appIcon());
    app.form4().setVisible(true);
}

} // namespace vortalin::Modulo1
