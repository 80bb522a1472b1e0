#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace vortalin::test {

// Runs the offscreen platform with one 1280 x 1024 screen at 96 dpi, so
// window and board sizes do not depend on the machine. With `finerScreens`
// more screens lie to its right, of 1.25, 1.5, 1.75 and 2 device pixels a
// pixel (120, 144, 168 and 192 dpi), each 1280 x 1024 in pixels.
inline void useFixedScreen(bool finerScreens = false) {
#ifdef Q_OS_WIN
    // The platform's options are split at ':', so the path holds no drive
    // letter: the file lies below the current folder, named relative to it.
    static QTemporaryDir dir(QDir::current().filePath(QStringLiteral("screen-XXXXXX")));
    const QString path =
        QDir::current().relativeFilePath(dir.filePath(QStringLiteral("screen.json")));
#else
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.json"));
#endif
    QFile file(path);
    QByteArray screens = R"({"name":"s","x":0,"y":0,"width":1280,"height":1024,"logicalDpi":96})";
    int left = 1280;
    for (int percent : {125, 150, 175, 200}) {
        if (!finerScreens)
            break;
        const int width = 1280 * percent / 100, height = 1024 * percent / 100;
        screens += QStringLiteral(R"(,{"name":"s%1","x":%2,"y":0,"width":%3,"height":%4,)"
                                  R"("logicalDpi":%5,"logicalBaseDpi":96})")
                       .arg(percent)
                       .arg(left)
                       .arg(width)
                       .arg(height)
                       .arg(96 * percent / 100)
                       .toLatin1();
        left += width;
    }
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens":[)" + screens + "]}");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

} // namespace vortalin::test

#define VORTALIN_FIXED_SCREEN_TEST_MAIN(TestClass) VORTALIN_SCREENS_TEST_MAIN(TestClass, false)
#define VORTALIN_FINER_SCREENS_TEST_MAIN(TestClass) VORTALIN_SCREENS_TEST_MAIN(TestClass, true)

#define VORTALIN_SCREENS_TEST_MAIN(TestClass, finerScreens)                                        \
    int main(int argc, char* argv[]) {                                                             \
        vortalin::test::useFixedScreen(finerScreens);                                              \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
