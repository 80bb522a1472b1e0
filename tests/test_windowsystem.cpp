#include "ui/platform.h"

#include <QtTest>

using vortalin::ui::platform::Desktop;
using vortalin::ui::platform::platformFor;

class TestWindowSystem : public QObject {
    Q_OBJECT

private slots:
    void waylandGoesThroughItsXServerUnlessThePlayerChose_data();
    void waylandGoesThroughItsXServerUnlessThePlayerChose();
};

void TestWindowSystem::waylandGoesThroughItsXServerUnlessThePlayerChose_data() {
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("platform");
    const QByteArray none;
    QTest::newRow("X11 session") << none << false << none << QByteArray("x11") << QByteArray(":0")
                                 << none;
    QTest::newRow("Wayland with XWayland")
        << none << false << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray(":0")
        << QByteArray("xcb;wayland");
    QTest::newRow("Wayland socket, no session type")
        << none << false << QByteArray("wayland-0") << none << QByteArray(":1")
        << QByteArray("xcb;wayland");
    QTest::newRow("Wayland session, socket unset") << none << false << none << QByteArray("wayland")
                                                   << QByteArray(":0") << QByteArray("xcb;wayland");
    QTest::newRow("Wayland without an X server")
        << none << false << QByteArray("wayland-0") << QByteArray("wayland") << none << none;
    QTest::newRow("the player's variable")
        << QByteArray("wayland") << false << QByteArray("wayland-0") << QByteArray("wayland")
        << QByteArray(":0") << none;
    QTest::newRow("the player's -platform") << none << true << QByteArray("wayland-0")
                                            << QByteArray("wayland") << QByteArray(":0") << none;
    QTest::newRow("no desktop at all") << none << false << none << none << none << none;
}

void TestWindowSystem::waylandGoesThroughItsXServerUnlessThePlayerChose() {
    QFETCH(QByteArray, chosen);
    QFETCH(bool, argument);
    QFETCH(QByteArray, wayland);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, platform);
    QCOMPARE(platformFor({chosen, argument, wayland, session, x11}), platform);
}

QTEST_APPLESS_MAIN(TestWindowSystem)
#include "test_windowsystem.moc"
