#include "helpviewer.h"

#include "platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess> // empty where the system starts no programs (the browser)

#include <algorithm>

namespace vortalin::ui {

namespace {

QString withoutTrailingSeparator(QString directory) {
    while (directory.endsWith(u'\\') || directory.endsWith(u'/'))
        directory.chop(1);
    return directory;
}

QString quoted(const char* name) {
    return QStringLiteral("\"%1\"").arg(QLatin1String(name));
}

// Only where programs can be started is there a help viewer to start.
#if QT_CONFIG(process)
QString startWinHelp(const QString& programDirectory, const HelpSystem& system) {
    QStringList words = QProcess::splitCommand(winHelpCommandLine(programDirectory));
    const QString program = words.takeFirst();
    if (system.startDetached(program, words))
        return {};
    return QStringLiteral("Impossibile avviare la guida %1.").arg(quoted(platform::helpFileName));
}
#endif

QString openGuide(const QString& programDirectory, const HelpSystem& system) {
    const QStringList places = guidePlaces(programDirectory);
    const auto found = std::find_if(places.begin(), places.end(), system.fileExists);
    if (found == places.end())
        return QStringLiteral("Il file della guida %1 non si trova accanto al programma:\n%2")
            .arg(quoted(guideFileName), QDir::toNativeSeparators(QFileInfo(places.front()).path()));
    if (!system.openUrl(QUrl::fromLocalFile(*found)))
        return QStringLiteral("Nessun programma può aprire il file della guida %1.")
            .arg(quoted(guideFileName));
    return {};
}

} // namespace

HelpSystem HelpSystem::real() {
    HelpSystem system;
    system.hasWinHelp = platform::hasWinHelp(QCoreApplication::applicationDirPath());
    system.fileExists = [](const QString& path) { return QFile::exists(path); };
    system.startDetached = [](const QString& program, const QStringList& arguments) {
#if QT_CONFIG(process)
        return QProcess::startDetached(program, arguments);
#else
        Q_UNUSED(program);
        Q_UNUSED(arguments);
        return false;
#endif
    };
    system.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return system;
}

QString winHelpCommandLine(const QString& programDirectory) {
    QString path =
        withoutTrailingSeparator(programDirectory) + u'\\' + QLatin1String(platform::helpFileName);
    if (path.contains(u' '))
        path = u'"' + path + u'"';
    return QLatin1String(platform::winHelpViewer) + u' ' + path;
}

QStringList guidePlaces(const QString& programDirectory) {
    const QDir program(programDirectory);
    return {QDir::cleanPath(program.filePath(QStringLiteral("guida/") + guideFileName)),
            QDir::cleanPath(
                program.filePath(QStringLiteral(VORTALIN_GUIDE_FROM_BINDIR "/") + guideFileName))};
}

QString offerHelp(const QString& programDirectory, const HelpSystem& system) {
#if QT_CONFIG(process)
    if (system.hasWinHelp)
        return startWinHelp(programDirectory, system);
#endif
    return openGuide(programDirectory, system);
}

} // namespace vortalin::ui
