#pragma once

#include <QFont>
#include <QString>

namespace vortalin::ui {

// The windows name Windows faces; on other systems they resolve to close
// free faces. Safe to call more than once.
void useCatalogueFonts();

// A face of the window catalogue at its point size.
QFont catalogueFont(const QString& family, double points, bool bold, bool italic = false);

// The dialogs' standard face at the size their boxes were laid out for.
QFont dialogFont();

} // namespace vortalin::ui
