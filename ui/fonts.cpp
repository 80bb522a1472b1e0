#include "fonts.h"

#include "platform.h"

#include <QStringList>

namespace vortalin::ui {

void useCatalogueFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    if (platform::hasCatalogueFaces())
        return;
    // Metric-compatible faces first, so texts fill their boxes as designed.
    // The browser's page carries Liberation cut to the characters the game
    // shows, renamed as its licence asks of a cut face: "Vortalin".
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Vortalin Serif"),
                                QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("Nimbus Roman"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Vortalin Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("DejaVu Sans")});
    // The system's dialog face, which the windows' boxes are sized for.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Vortalin Sans"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                                QStringLiteral("DejaVu Sans")});
    // A chancery hand stands in for the handwriting face.
    QFont::insertSubstitutions(QStringLiteral("Lucida Handwriting"),
                               {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                                QStringLiteral("TeX Gyre Chorus")});
}

QFont catalogueFont(const QString& family, double points, bool bold, bool italic) {
    useCatalogueFonts();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont dialogFont() {
    return catalogueFont(QStringLiteral("MS Sans Serif"), 8.25, false);
}

} // namespace vortalin::ui
