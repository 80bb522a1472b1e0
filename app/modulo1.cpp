#include "modulo1.h"

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/form4.h"

#if __has_include("assets/artwork.h")
#include "assets/artwork.h"
#define VORTALIN_HAVE_ARTWORK 1
#endif

#include <QApplication>

namespace vortalin::Modulo1 {

void Main(ui::Application& app) {
    ui::useCatalogueFonts();
#ifdef VORTALIN_HAVE_ARTWORK
    QApplication::setWindowIcon(art::appIcon());
#endif
    app.form4().show();
}

} // namespace vortalin::Modulo1
