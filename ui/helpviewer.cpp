#include "helpviewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace vortalin::ui {

namespace {

QString withoutTrailingSeparator(QString directory) {
    while (directory.endsWith(u'\\') || directory.endsWith(u'/'))
        directory.chop(1);
    return directory;
}

QString quotedName() {
    return QStringLiteral("\"%1\"").arg(QLatin1String(helpFileName));
}

QString startWinHelp(const QString& programDirectory, const HelpSystem& system) {
    QStringList words = QProcess::splitCommand(winHelpCommandLine(programDirectory));
    const QString program = words.takeFirst();
    if (system.startDetached(program, words))
        return {};
    return QStringLiteral("Impossibile avviare la guida %1.").arg(quotedName());
}

QString openHelpFile(const QString& programDirectory, const HelpSystem& system) {
    const QString path = QDir(programDirectory).filePath(QLatin1String(helpFileName));
    if (!system.fileExists(path))
        return QStringLiteral(
                   "Il file della guida %1 non si trova nella cartella del programma:\n%2")
            .arg(quotedName(), QDir::toNativeSeparators(programDirectory));
    if (!system.openUrl(QUrl::fromLocalFile(path)))
        return QStringLiteral("Nessun programma può aprire il file della guida %1.")
            .arg(quotedName());
    return {};
}

} // namespace

HelpSystem HelpSystem::real() {
    HelpSystem system;
#ifdef Q_OS_WIN
    system.hasWinHelp = QFile::exists(QLatin1String(winHelpViewer));
#endif
    system.fileExists = [](const QString& path) { return QFile::exists(path); };
    system.startDetached = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
    system.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return system;
}

QString winHelpCommandLine(const QString& programDirectory) {
    QString path = withoutTrailingSeparator(programDirectory) + u'\\' + QLatin1String(helpFileName);
    if (path.contains(u' '))
        path = u'"' + path + u'"';
    return QLatin1String(winHelpViewer) + u' ' + path;
}

QString offerHelp(const QString& programDirectory, const HelpSystem& system) {
    if (system.hasWinHelp)
        return startWinHelp(programDirectory, system);
    return openHelpFile(programDirectory, system);
}

} // namespace vortalin::ui
