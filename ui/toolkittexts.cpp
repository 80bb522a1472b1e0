#include "toolkittexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vortalin::ui {

bool installItalianToolkitTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace vortalin::ui
