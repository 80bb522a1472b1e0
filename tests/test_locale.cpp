// A desktop session may give the C library a decimal comma; the game's texts
// still read "." as the decimal point, whatever the session's language.
#include "game/textnumber.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>

class TestLocale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Built here, so the test needs no locale installed on the system.
        QVERIFY(m_locales.isValid());
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"),
                        {"-c", "-i", "it_IT", "-f", "UTF-8", m_locales.filePath("it_IT.UTF-8")});
        localedef.waitForFinished(120000);
        qputenv("LOCPATH", QFile::encodeName(m_locales.path()));
        if (!std::setlocale(LC_NUMERIC, "it_IT.UTF-8"))
            QSKIP("no Italian locale: localedef or its sources are missing");
        QCOMPARE(std::localeconv()->decimal_point, ",");
    }

    void cleanupTestCase() { std::setlocale(LC_NUMERIC, "C"); }

    void decimalPointUnderCommaLocale_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double infinity = std::numeric_limits<double>::infinity();
        QTest::newRow("fraction") << "45.5" << 45.5;
        QTest::newRow("blanks around the point") << " 12 . 25" << 12.25;
        QTest::newRow("point first") << "-.5" << -0.5;
        QTest::newRow("exponent") << " 1.5E+3" << 1500.0;
        QTest::newRow("D exponent") << "2.5d-1" << 0.25;
        QTest::newRow("comma ends the number") << "45,5" << 45.0;
        QTest::newRow("too large") << "1.5e400" << infinity;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    }
    void decimalPointUnderCommaLocale() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(vortalin::textToNumber(text.toStdString()), value);
    }

private:
    QTemporaryDir m_locales;
};

QTEST_GUILESS_MAIN(TestLocale)
#include "test_locale.moc"
