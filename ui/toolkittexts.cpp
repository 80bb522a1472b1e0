#include "toolkittexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vortalin::ui {

bool installItalianToolkitTexts() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // A program without Qt on its disk (the browser's) carries them inside.
    for (const QString& place :
         {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")}) {
        if (translator->load(QStringLiteral("qtbase_it"), place) &&
            QCoreApplication::installTranslator(translator))
            return true;
    }
    delete translator;
    return false;
}

} // namespace vortalin::ui
