#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace vortalin::test {

// Runs the offscreen platform with one 1280 x 1024 screen at 96 dpi, so
// window and board sizes do not depend on the machine.
inline void useFixedScreen() {
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
    if (file.open(QIODevice::WriteOnly))
        file.write(R"({"screens":[{"name":"s","x":0,"y":0,"width":1280,"height":1024,)"
                   R"("logicalDpi":96}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
}

} // namespace vortalin::test

#define VORTALIN_FIXED_SCREEN_TEST_MAIN(TestClass)                                                 \
    int main(int argc, char* argv[]) {                                                             \
        vortalin::test::useFixedScreen();                                                          \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
