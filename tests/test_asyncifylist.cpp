// The list of functions the browser's program leaves out of asyncify
// (ui/asyncify-remove.json). A function on it that lies on the stack while
// the program waits breaks the page only when that path runs, so the list
// is matched here as the linker matches it against the functions that can
// be below a wait, and against some it is there to leave out.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

namespace {

QStringList entries() {
    QFile file(QStringLiteral(VORTALIN_ASYNCIFY_REMOVE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList list;
    for (const QJsonValue& entry : QJsonDocument::fromJson(file.readAll()).array())
        list << entry.toString();
    return list;
}

// As emscripten and Binaryen read an entry: '.', '#' and '?' stand for a
// space, '&' and ','; '*' matches any run of characters; all else is itself.
bool matches(QString entry, const QString& function) {
    entry.replace(u'.', u' ').replace(u'#', u'&').replace(u'?', u',');
    QStringList parts = entry.split(u'*');
    for (QString& part : parts)
        part = QRegularExpression::escape(part);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(parts.join(".*")),
                                     QRegularExpression::DotMatchesEverythingOption);
    return pattern.match(function).hasMatch();
}

} // namespace

class TestAsyncifyList : public QObject {
    Q_OBJECT

private slots:
    void wellFormed_data();
    void wellFormed();
    void leftOut_data();
    void leftOut();
};

void TestAsyncifyList::wellFormed_data() {
    QTest::addColumn<QString>("entry");
    const QStringList list = entries();
    QVERIFY2(list.size() > 20, "the list is missing or unreadable");
    for (const QString& entry : list)
        QTest::newRow(qPrintable(entry)) << entry;
}

void TestAsyncifyList::wellFormed() {
    QFETCH(QString, entry);
    // These three would silently stand for other characters.
    QVERIFY(!entry.contains(u'.'));
    QVERIFY(!entry.contains(u'#'));
    QVERIFY(!entry.contains(u'?'));
    // Binaryen joins an entry whose brackets of any kind do not close to
    // the entries after it, and refuses the list if they never do.
    int depth = 0;
    for (const QChar c : entry) {
        if (QStringLiteral("(<[{").contains(c))
            ++depth;
        else if (QStringLiteral(")>]}").contains(c))
            --depth;
    }
    QCOMPARE(depth, 0);
    QVERIFY(!QString(entry).remove(u'*').trimmed().isEmpty());
    QCOMPARE(entries().count(entry), 1);
}

void TestAsyncifyList::leftOut_data() {
    QTest::addColumn<QString>("function");
    QTest::addColumn<bool>("leftOut");
    // Below every wait: the nested event loops and what reaches them.
    QTest::newRow("message box") << "QDialog::exec()" << false;
    QTest::newRow("menu") << "QMenu::exec(QPoint const&, QAction*)" << false;
    QTest::newRow("event loop") << "QEventLoop::exec(QFlags<QEventLoop::ProcessEventsFlag>)" << false;
    QTest::newRow("pass of the loop")
        << "QCoreApplication::processEvents(QFlags<QEventLoop::ProcessEventsFlag>)" << false;
    QTest::newRow("dispatcher") << "QEventDispatcherWasm::wait(int)" << false;
    QTest::newRow("suspension") << "qt_asyncify_suspend()" << false;
    QTest::newRow("posted events") << "QWasmEventDispatcher::processPostedEvents()" << false;
    QTest::newRow("page's callback")
        << "emscripten::internal::Invoker<emscripten::internal::rvp::default_tag, void, "
           "emscripten::val>::invoke(void (*)(emscripten::val), emscripten::_EM_VAL*)"
        << false;
    QTest::newRow("mouse from the page")
        << "QGuiApplicationPrivate::processMouseEvent(QWindowSystemInterfacePrivate::MouseEvent*)"
        << false;
    QTest::newRow("delivery") << "QApplication::notify(QObject*, QEvent*)" << false;
    QTest::newRow("widget event") << "QWidget::event(QEvent*)" << false;
    QTest::newRow("button") << "QAbstractButton::mouseReleaseEvent(QMouseEvent*)" << false;
    QTest::newRow("signal") << "QMetaObject::activate(QObject*, QMetaObject const*, int, void**)"
                            << false;
    QTest::newRow("emission") << "void doActivate<false>(QObject*, int, void**)" << false;
    QTest::newRow("slot")
        << "QtPrivate::QCallableObject<void (vortalin::ui::Form2::*)(), QtPrivate::List<>, "
           "void>::impl(int, QtPrivate::QSlotObjectBase*, QObject*, void**, bool*)"
        << false;
    QTest::newRow("timer") << "QSingleShotTimer::timerEvent(QTimerEvent*)" << false;
    QTest::newRow("shortcut") << "QShortcut::event(QEvent*)" << false;
    QTest::newRow("command") << "QAction::trigger()" << false;
    // A box left by the focus can refuse its text in a message box.
    QTest::newRow("focus") << "QApplicationPrivate::setFocusWidget(QWidget*, Qt::FocusReason)"
                           << false;
    QTest::newRow("hidden widget") << "QWidget::setVisible(bool)" << false;
    QTest::newRow("destroyed widget") << "QWidget::~QWidget()" << false;
    QTest::newRow("key in a box") << "QWidgetLineControl::processKeyEvent(QKeyEvent*)" << false;
    QTest::newRow("box's own menu") << "QLineEdit::contextMenuEvent(QContextMenuEvent*)" << false;
    QTest::newRow("list") << "QAbstractItemView::mouseReleaseEvent(QMouseEvent*)" << false;
    // A save waits for the browser's storage in fsync.
    QTest::newRow("save") << "QSaveFile::commit()" << false;
    QTest::newRow("sync") << "QFSFileEngine::syncToDisk()" << false;
    QTest::newRow("fsync") << "fsync" << false;
    QTest::newRow("game's message") << "vortalin::ui::Form2::message(std::__2::basic_string_view"
                                       "<char, std::__2::char_traits<char>>)"
                                    << false;
    QTest::newRow("game's yield") << "vortalin::ui::Form2::yield()" << false;
    QTest::newRow("paced frame") << "vortalin::ui::platform::pauseForFrame(long long)" << false;
    QTest::newRow("stored map") << "vortalin::ui::platform::keepSavedMap(QString const&)" << false;
    QTest::newRow("stored maps read") << "vortalin::ui::platform::driveRoots()" << false;
    QTest::newRow("board's line")
        << "vortalin::ui::BoardWidget::drawLine(float, float, float, float, vortalin::Rgb)"
        << false;
    // Never below a wait, and the bulk of what the list saves.
    QTest::newRow("drawing")
        << "QPainter::drawImage(QRectF const&, QImage const&, QRectF const&, "
           "QFlags<Qt::ImageConversionFlag>)"
        << true;
    QTest::newRow("raster") << "QRasterPaintEngine::drawImage(QPointF const&, QImage const&)"
                            << true;
    QTest::newRow("line stroke")
        << "bool drawLine<&drawPixel(QCosmeticStroker*, int, int, int), (anonymous "
           "namespace)::NoDasher>(QCosmeticStroker*, double, double, double, double, int)"
        << true;
    QTest::newRow("image") << "QImage::convertToFormat_helper(QImage::Format, "
                              "QFlags<Qt::ImageConversionFlag>) const"
                           << true;
    QTest::newRow("picture file") << "QPngHandler::read(QImage*)" << true;
    QTest::newRow("text") << "QTextEngine::itemize() const" << true;
    QTest::newRow("glyph") << "QFontEngineFT::loadGlyph(QFontEngineFT::QGlyphSet*, unsigned int, "
                              "QFixedPoint const&, QColor, QFontEngine::GlyphFormat, bool, bool) "
                              "const"
                           << true;
    QTest::newRow("style") << "QFusionStyle::drawControl(QStyle::ControlElement, QStyleOption "
                              "const*, QPainter*, QWidget const*) const"
                           << true;
    QTest::newRow("style sheet") << "QCss::Parser::parse(QCss::StyleSheet*, Qt::CaseSensitivity)"
                                 << true;
    QTest::newRow("unused view") << "QTreeView::paintEvent(QPaintEvent*)" << true;
    QTest::newRow("string") << "QString::arg(QStringView, int, QChar) const" << true;
    QTest::newRow("number") << "QLocaleData::doubleToString(double, int, "
                               "QLocaleData::DoubleForm, int, unsigned int) const"
                            << true;
    QTest::newRow("hash")
        << "QHashPrivate::Data<QHashPrivate::Node<QString, QVariant>>::rehash(unsigned long)"
        << true;
}

void TestAsyncifyList::leftOut() {
    QFETCH(QString, function);
    QFETCH(bool, leftOut);
    const QStringList list = entries();
    QVERIFY(!list.isEmpty());
    QStringList matched;
    for (const QString& entry : list)
        if (matches(entry, function))
            matched << entry;
    QVERIFY2(matched.isEmpty() != leftOut, qPrintable(matched.join(u' ')));
}

QTEST_GUILESS_MAIN(TestAsyncifyList)
#include "test_asyncifylist.moc"
