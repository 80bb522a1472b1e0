#pragma once

#include <QString>
#include <QStringList>

// What differs between Windows and the other systems, in one place.
namespace vortalin::ui::platform {

// The drive list's entries, as directory paths with "/" separators: the
// drive letters that exist on Windows ("C:/"); elsewhere the roots of the
// mounted volumes, "/" first, then the user's home.
QStringList driveRoots();

// Whether two paths name the same place depends on the system's case rule.
Qt::CaseSensitivity fileNameCase();

// The old help viewer at its fixed place, and the help file beside the
// program: both exist only on old Windows with the file installed.
bool hasWinHelp(const QString& programDirectory);

// Whether the catalogue's faces (Arial, Times New Roman, Lucida
// Handwriting) are the system's own, so they need no free stand-ins.
bool hasCatalogueFaces();

} // namespace vortalin::ui::platform
