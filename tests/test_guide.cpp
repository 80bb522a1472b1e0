// The guide that "Help" opens is found beside the program in the build tree
// and in an installed tree, with every picture it shows.
#include "ui/helpviewer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using vortalin::ui::guidePlaces;

namespace {

// The first guide place that holds the guide, as "Help" picks it.
QString foundGuide(const QString& programDirectory) {
    for (const QString& place : guidePlaces(programDirectory)) {
        if (QFile::exists(place))
            return place;
    }
    return {};
}

// The pictures the page shows that are not in its folder.
QStringList missingPictures(const QString& page) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return {page};
    const QString html = QString::fromUtf8(file.readAll());
    QStringList missing;
    const QDir folder = QFileInfo(page).dir();
    static const QRegularExpression source(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : source.globalMatch(html)) {
        if (!folder.exists(m.captured(1)))
            missing << m.captured(1);
    }
    return missing;
}

} // namespace

class TestGuide : public QObject {
    Q_OBJECT

private slots:
    void guideBesideTheBuiltProgram() {
        const QString guide = foundGuide(QStringLiteral(VORTALIN_PROGRAM_DIR));
        QCOMPARE(guide, QStringLiteral(VORTALIN_PROGRAM_DIR "/guida/guida.html"));
        QCOMPARE(missingPictures(guide), QStringList());
    }

    void guideInTheInstalledTree() {
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        QProcess install;
        install.start(QStringLiteral(VORTALIN_CMAKE),
                      {"--install", VORTALIN_BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());

        const QString bin = QDir(prefix.path()).filePath(QStringLiteral(VORTALIN_INSTALL_BINDIR));
        QVERIFY(QFile::exists(QDir(bin).filePath(QStringLiteral("vortalin"))) ||
                QFile::exists(QDir(bin).filePath(QStringLiteral("vortalin.exe"))));
        const QString guide = foundGuide(bin);
        QCOMPARE(guide, QDir::cleanPath(QDir(prefix.path())
                                            .filePath(QStringLiteral(VORTALIN_INSTALL_GUIDEDIR
                                                                     "/guida.html"))));
        QCOMPARE(missingPictures(guide), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestGuide)
#include "test_guide.moc"
