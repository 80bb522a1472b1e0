#include "ui/application.h"
#include "ui/filelists.h"
#include "ui/form2.h"
#include "ui/form5.h"
#include "ui/windowopening.h"

#include "mapfile/maptexts.h"

#include "mapfile/mapfile.h"

#include "game/memoryboard.h"
#include "support/scriptedrandom.h"
#include "support/standinmainwindow.h"

#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using namespace vortalin;
using vortalin::ui::Form5;

namespace {

GameState threeBodies() {
    GameState s;
    for (int row = 1; row <= 3; ++row) {
        s.planets.x(row) = 200.0 * row;
        s.planets.y(row) = 300;
        s.planets.kind(row) = row;
        s.planets.radius(row) = 35;
        s.planets.mass(row) = 3.97e24;
    }
    s.ships.x(0) = 50;
    s.ships.y(0) = 50;
    s.ships.x(1) = 900;
    s.ships.y(1) = 600;
    s.options[Option::planetCount] = 3;
    return s;
}

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

QStringList fileNames(const ui::FileList& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.item(i)->text();
    return names;
}

int rowOfPath(const ui::DirectoryList& list, const QString& path) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.item(i)->data(Qt::UserRole).toString() == path)
            return i;
    }
    return -1;
}

// Every file under `root`, by its path relative to it.
QStringList filesUnder(const QDir& root) {
    QStringList files;
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << root.relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pathHasOneSeparatorAtARootAndInASubdirectory_data();
    void pathHasOneSeparatorAtARootAndInASubdirectory();
    void nameIsCheckedBeforeAnyAction_data();
    void nameIsCheckedBeforeAnyAction();
    void everyExitEnablesTheMainWindowAndChangesNoTable_data();
    void everyExitEnablesTheMainWindowAndChangesNoTable();
    void clickedFileLoadsFromTheChosenDirectory();
    void failedLoadStillClosesAndEnablesTheMainWindow();
    void saveTheStorageRefusesChangesNoTable_data();
    void saveTheStorageRefusesChangesNoTable();
    void reopeningKeepsNameAndDirectoryAndListsAfresh();
    void directoryListWalksUpAndDownAndTheFilesFollow();
    void driveListStartsAtTheRootAndEndsAtHome();
    void driveListHoldsTheDriveLettersOnWindows();
    void backslashesInTheNameReachASubdirectoryOnWindows();
    void enterConfirmsOnlyInTheNameBox();
    void firstOpeningIsCentredWithTheFocusOnTheDriveList();
    void everyOpeningFocusesTheDriveList_data();
    void everyOpeningFocusesTheDriveList();
    void menuCommandsOpenAUsableDialogOverADisabledMainWindow();
    void aKeptFolderHoldsEveryNameTyped_data();
    void aKeptFolderHoldsEveryNameTyped();
    void aKeptFolderIsTheTopOfTheDirectoryList();

private:
    void open(const QString& action);

    std::unique_ptr<QTemporaryDir> m_temp;
    QDir m_dir;
    GameState m_state;
    MemoryBoard m_board;
    ScriptedRandom m_random;
    Game m_game{m_state, m_board, m_board, m_random};
    std::unique_ptr<vortalin::test::StandInMainWindow> m_stand;
    QWidget* m_main = nullptr;
    std::unique_ptr<Form5> m_form;
};

void TestForm5::init() {
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
    m_dir.setPath(m_temp->path());
    m_state = threeBodies();
    m_board.messages.clear();
    m_stand = std::make_unique<vortalin::test::StandInMainWindow>(m_game);
    m_main = &m_stand->widget;
    m_main->show();
    m_form = std::make_unique<Form5>(m_game, *m_stand);
    m_form->Dir1->setPath(m_dir.path());
}

void TestForm5::cleanup() {
    m_form.reset();
    m_stand.reset();
    m_temp.reset();
}

// What the main window's menu commands do.
void TestForm5::open(const QString& action) {
    ui::openOverMainWindow(*m_main, *m_form, [&] { m_form->openFor(action); });
}

void TestForm5::pathHasOneSeparatorAtARootAndInASubdirectory_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    const QString sep = QDir::separator();
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    QTest::newRow("root") << QDir::rootPath() << "a.vmp" << root + "a.vmp";
    QTest::newRow("subdirectory") << QDir::rootPath() + "Mappe"
                                  << "a.vmp" << root + "Mappe" + sep + "a.vmp";
    QTest::newRow("name passed on unchanged")
        << QDir::rootPath() + "Mappe"
        << " x.y/b.vmp" << root + "Mappe" + sep + " x.y/b.vmp";
}

void TestForm5::pathHasOneSeparatorAtARootAndInASubdirectory() {
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(ui::mapFilePath(directory, name), path);
}

void TestForm5::nameIsCheckedBeforeAnyAction_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty when the name passes
    const QString tooShort = "Il nome deve essere di almeno 1 lettera";
    const QString badExtension = "attenzione estensione non corretta ";
    QTest::newRow("initial text") << ".vmp" << tooShort;
    QTest::newRow("four letters") << "abcd" << tooShort;
    QTest::newRow("empty") << "" << tooShort;
    QTest::newRow("one letter") << "a.vmp" << QString();
    QTest::newRow("capitals") << "a.VMP" << badExtension;
    QTest::newRow("trailing blank") << "a.vmp " << badExtension;
    QTest::newRow("no extension") << "abcde" << badExtension;
}

void TestForm5::nameIsCheckedBeforeAnyAction() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    open("Salva");
    m_form->Text1->setText(name);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    const bool passes = message.isEmpty();
    QCOMPARE(m_form->isVisible(), !passes);
    QCOMPARE(m_main->isEnabled(), passes);
    QCOMPARE(m_dir.entryList(QDir::Files), passes ? QStringList{name} : QStringList{});
    if (passes)
        QVERIFY(m_board.messages.empty());
    else
        QCOMPARE(m_board.messages, std::vector<std::string>{message.toStdString()});
}

void TestForm5::everyExitEnablesTheMainWindowAndChangesNoTable_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("exit");
    enum { esci, closeBox, escape };
    QTest::newRow("Esci, loading") << "Carica" << int(esci);
    QTest::newRow("Esci, saving") << "Salva" << int(esci);
    QTest::newRow("close box") << "Salva" << int(closeBox);
    QTest::newRow("Escape") << "Carica" << int(escape);
}

void TestForm5::everyExitEnablesTheMainWindowAndChangesNoTable() {
    QFETCH(QString, action);
    QFETCH(int, exit);
    m_state.options[Option::planetCount] = 2; // a save would clear row 3
    const GameState before = m_state;
    open(action);
    m_form->Text1->setText("kept.vmp");
    if (exit == 0)
        QTest::mouseClick(m_form->Command2, Qt::LeftButton);
    else if (exit == 1)
        QVERIFY(m_form->close());
    else
        QTest::keyClick(m_form->Text1, Qt::Key_Escape);

    QVERIFY(!m_form->isVisible());
    QVERIFY(m_main->isEnabled());
    QCOMPARE(m_state, before);
    QVERIFY(!QFileInfo::exists(m_dir.filePath("kept.vmp")));
    QVERIFY(m_board.messages.empty());
}

void TestForm5::clickedFileLoadsFromTheChosenDirectory() {
    GameState saved = threeBodies();
    saved.planets.x(2) = 444;
    Game writer{saved, m_board, m_board, m_random};
    QCOMPARE(saveMapFile(writer, m_dir.filePath("duel.vmp")), MapFileResult::done);
    m_state = GameState{};

    open("Carica");
    QCOMPARE(m_form->windowTitle(), QString("Carica"));
    QCOMPARE(m_form->Command1->text(), QString("Carica"));
    QCOMPARE(fileNames(*m_form->File1), QStringList{"duel.vmp"});
    QListWidgetItem* item = m_form->File1->item(0);
    QTest::mouseClick(m_form->File1->viewport(), Qt::LeftButton, {},
                      m_form->File1->visualItemRect(item).center());
    QCOMPARE(m_form->Text1->text(), QString("duel.vmp"));
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    QCOMPARE(m_state.planets, saved.planets);
    QCOMPARE(m_state.ships, saved.ships);
    QCOMPARE(m_board.bodies[1].stock, std::optional<int>(1));
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_main->isEnabled());
}

void TestForm5::failedLoadStillClosesAndEnablesTheMainWindow() {
    const GameState before = m_state;
    open("Carica");
    m_form->Text1->setText("absent.vmp");
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QCOMPARE(m_board.messages.size(), std::size_t(1));
    QCOMPARE(m_state, before);
    QVERIFY(!QFileInfo::exists(m_dir.filePath("absent.vmp")));
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_main->isEnabled());
}

void TestForm5::saveTheStorageRefusesChangesNoTable_data() {
    QTest::addColumn<bool>("kept");
    QTest::addColumn<bool>("earlier"); // a map of that name was there before
    QTest::addColumn<QString>("said");
    QTest::newRow("kept") << true << false << QString();
    QTest::newRow("kept over an earlier map") << true << true << QString();
    QTest::newRow("refused, no map of that name before")
        << false << false
        << "Impossibile salvare la mappa: il browser non ha permesso di conservarla";
    QTest::newRow("refused, the earlier map left as it was")
        << false << true
        << "Impossibile salvare la mappa: il browser non ha permesso di conservarla; la mappa "
           "salvata prima con questo nome è rimasta com'era";
}

// In the browser a written map is only safe once its storage took it; when
// that refuses, the player is told and the game stays as before the save.
void TestForm5::saveTheStorageRefusesChangesNoTable() {
    QFETCH(bool, kept);
    QFETCH(bool, earlier);
    QFETCH(QString, said);
    if (earlier)
        touch(m_dir.filePath("a.vmp"));
    m_state.options[Option::planetCount] = 2; // the save clears the third body
    const GameState before = m_state;
    QStringList asked;
    m_form->keepSaved = [&](const QString& path) {
        asked << path;
        return kept;
    };
    open("Salva");
    m_form->Text1->setText("a.vmp");
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QCOMPARE(asked, QStringList{QDir::toNativeSeparators(m_dir.filePath("a.vmp"))});
    if (kept) {
        QVERIFY(m_board.messages.empty());
        QCOMPARE(m_state.planets.kind(3), 0.0);
    } else {
        QCOMPARE(m_board.messages, std::vector<std::string>{said.toStdString()});
        QCOMPARE(m_state.planets, before.planets);
    }
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_main->isEnabled());
}

void TestForm5::reopeningKeepsNameAndDirectoryAndListsAfresh() {
    QVERIFY(m_dir.mkpath("Mappe"));
    const QString mappe = m_dir.filePath("Mappe");
    m_form->Dir1->setPath(mappe);
    touch(mappe + "/old.vmp");
    open("Salva");
    QCOMPARE(fileNames(*m_form->File1), QStringList{"old.vmp"});
    m_form->move(33, 44);
    m_form->Text1->setText("nuova.vmp");
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);
    QVERIFY(QFileInfo::exists(mappe + "/nuova.vmp"));

    touch(mappe + "/later.vmp");
    touch(mappe + "/upper.VMP");
    touch(mappe + "/longer.vmpx");
    open("Carica");
    QCOMPARE(m_form->Text1->text(), QString("nuova.vmp"));
    QCOMPARE(m_form->Dir1->path(), mappe);
    QCOMPARE(m_form->pos(), QPoint(33, 44));
    QCOMPARE(fileNames(*m_form->File1), (QStringList{"later.vmp", "nuova.vmp", "old.vmp"}));
    m_form->Command2_Click();

    // A directory gone between two openings gives way to its parent.
    QVERIFY(QDir(mappe).removeRecursively());
    open("Carica");
    QCOMPARE(m_form->Dir1->path(), m_dir.path());
    QCOMPARE(m_form->File1->path(), m_dir.path());
}

void TestForm5::directoryListWalksUpAndDownAndTheFilesFollow() {
    QVERIFY(m_dir.mkpath("giu"));
    touch(m_dir.filePath("su.vmp"));
    touch(m_dir.filePath("giu/sotto.vmp"));
    open("Carica");
    ui::DirectoryList& dir1 = *m_form->Dir1;

    const int down = rowOfPath(dir1, m_dir.filePath("giu"));
    QVERIFY(down >= 0);
    emit dir1.itemActivated(dir1.item(down));
    QCOMPARE(dir1.path(), m_dir.filePath("giu"));
    QCOMPARE(fileNames(*m_form->File1), QStringList{"sotto.vmp"});

    const int up = rowOfPath(dir1, m_dir.path());
    QVERIFY(up >= 0 && up < dir1.currentRow());
    emit dir1.itemActivated(dir1.item(up));
    QCOMPARE(dir1.path(), m_dir.path());
    QCOMPARE(fileNames(*m_form->File1), QStringList{"su.vmp"});
    QCOMPARE(rowOfPath(dir1, QDir::rootPath()), 0);
}

void TestForm5::driveListStartsAtTheRootAndEndsAtHome() {
#ifdef Q_OS_WIN
    QSKIP("Windows lists drive letters, not the home folder");
#endif
    open("Salva");
    ui::DriveList& drive1 = *m_form->Drive1;
    QVERIFY(drive1.count() >= 1);
    QCOMPARE(drive1.itemData(0).toString(), QDir::rootPath());
    QCOMPARE(drive1.findData(QDir::homePath()) >= 0, true);

    drive1.setCurrentIndex(drive1.findData(QDir::homePath()));
    QCOMPARE(m_form->Dir1->path(), QDir::homePath());
    QCOMPARE(m_form->File1->path(), QDir::homePath());

    // Choosing the drive already shown keeps the directory.
    QVERIFY(m_dir.mkpath("sotto"));
    m_form->Dir1->setPath(m_dir.filePath("sotto"));
    emit drive1.activated(drive1.currentIndex());
    QCOMPARE(m_form->Dir1->path(), m_dir.filePath("sotto"));
}

// Every entry is a drive that exists, and a directory typed with the
// letter in another case is still on its drive.
void TestForm5::driveListHoldsTheDriveLettersOnWindows() {
#ifndef Q_OS_WIN
    QSKIP("drive letters are Windows' own");
#endif
    open("Salva");
    ui::DriveList& drive1 = *m_form->Drive1;
    QVERIFY(drive1.count() >= 1);
    const QRegularExpression letter("^[A-Z]:/$");
    for (int i = 0; i < drive1.count(); ++i) {
        const QString root = drive1.itemData(i).toString();
        QVERIFY2(letter.match(root).hasMatch(), qPrintable(root));
        QVERIFY(QDir(root).exists());
        QCOMPARE(drive1.itemText(i), QDir::toNativeSeparators(root));
    }
    QVERIFY(drive1.findData(QDir::rootPath()) >= 0);

    const QString ownDrive = m_dir.path().left(3).toUpper();
    drive1.setCurrentIndex(drive1.findData(QDir::rootPath()) == 0 ? drive1.count() - 1 : 0);
    drive1.followDirectory(m_dir.path().toLower());
    QCOMPARE(drive1.drive(), ownDrive);
}

// A name typed as sotto\a.vmp saves into sotto, as the system reads it.
void TestForm5::backslashesInTheNameReachASubdirectoryOnWindows() {
#ifndef Q_OS_WIN
    QSKIP("\\ separates directories on Windows only");
#endif
    QVERIFY(m_dir.mkpath("sotto"));
    open("Salva");
    m_form->Text1->setText("sotto\\a.vmp");
    m_form->Command1->click();
    QCOMPARE(QFileInfo(m_dir.filePath("sotto/a.vmp")).size(), qint64(888));
    QVERIFY(m_board.messages.empty());
}

// Enter in the directory list opens the directory and saves nothing; keys
// in the file list copy the name; Enter in the name box confirms.
void TestForm5::enterConfirmsOnlyInTheNameBox() {
    QVERIFY(m_dir.mkpath("giu"));
    touch(m_dir.filePath("a.vmp"));
    touch(m_dir.filePath("b.vmp"));
    open("Salva");
    m_form->Text1->setText("nuova.vmp");
    ui::DirectoryList& dir1 = *m_form->Dir1;
    dir1.setFocus();
    dir1.setCurrentRow(rowOfPath(dir1, m_dir.filePath("giu")));
    QTest::keyClick(&dir1, Qt::Key_Return);
    QCOMPARE(dir1.path(), m_dir.filePath("giu"));
    QVERIFY(m_form->isVisible());
    QVERIFY(!QFileInfo::exists(m_dir.filePath("giu/nuova.vmp")));

    dir1.setPath(m_dir.path());
    m_form->File1->setFocus();
    QTest::keyClick(m_form->File1, Qt::Key_Down);
    QTest::keyClick(m_form->File1, Qt::Key_Down);
    QCOMPARE(m_form->Text1->text(), QString("b.vmp"));

    m_form->Text1->setText("nuova.vmp");
    QTest::keyClick(m_form->Text1, Qt::Key_Return);
    QVERIFY(QFileInfo::exists(m_dir.filePath("nuova.vmp")));
    QVERIFY(!m_form->isVisible());
    QVERIFY(m_main->isEnabled());
}

void TestForm5::firstOpeningIsCentredWithTheFocusOnTheDriveList() {
    open("Salva");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize outer = m_form->frameGeometry().size();
    // Centred by its outer size, to the nearest pixel.
    QVERIFY(std::abs(m_form->x() - (screen.width() - outer.width()) / 2.0) <= 0.5);
    QVERIFY(std::abs(m_form->y() - (screen.height() - outer.height()) / 2.0) <= 0.5);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_form->Drive1));
}

void TestForm5::everyOpeningFocusesTheDriveList_data() {
    QTest::addColumn<bool>("saveWithEnter"); // else "Esci" from the folder list
    QTest::newRow("after Enter in the name box") << true;
    QTest::newRow("after Esci from the folder list") << false;
}

// The focus does not stay where the player left it at the last opening.
void TestForm5::everyOpeningFocusesTheDriveList() {
    QFETCH(bool, saveWithEnter);
    open("Salva");
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_form->Drive1));
    if (saveWithEnter) {
        m_form->Text1->setFocus();
        m_form->Text1->setText("prima.vmp");
        QTest::keyClick(m_form->Text1, Qt::Key_Return);
        QVERIFY(QFileInfo::exists(m_dir.filePath("prima.vmp")));
    } else {
        m_form->Dir1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_form->Dir1));
        m_form->Command2->click();
    }
    QVERIFY(m_form->isHidden());
    m_main->activateWindow();
    open("Carica");
    QVERIFY(m_form->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m_form->Drive1));
}

// Disabling the main window must not disable the dialog over it.
void TestForm5::menuCommandsOpenAUsableDialogOverADisabledMainWindow() {
    ui::Application app;
    ui::Form2& form2 = app.form2();
    form2.show();
    form2.Carmap_Click();
    Form5& form5 = app.form5();
    QVERIFY(form5.isVisible() && form5.isEnabled() && form5.Command2->isEnabled());
    QVERIFY(!form2.isEnabled());
    QCOMPARE(form5.Command1->text(), QString("Carica"));
    // The window system keeps it above the main window (on Wayland nothing else can).
    QCOMPARE(form5.windowHandle()->transientParent(), form2.windowHandle());
    // A click on the disabled board brings the dialog back to the front.
    form2.activateWindow();
    QTRY_VERIFY(form5.isActiveWindow());
    QTest::mouseClick(form5.Command2, Qt::LeftButton);
    QVERIFY(form2.isEnabled());

    form2.salvmap_Click();
    QCOMPARE(form5.windowTitle(), QString("Salva"));
    QVERIFY(!form2.isEnabled());
    QVERIFY(form5.close());
    QVERIFY(form2.isEnabled());
}

// The browser keeps only its maps' folder: a name typed into the box never
// reaches past it, whether saving or loading.
void TestForm5::aKeptFolderHoldsEveryNameTyped_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name"); // %1: the folder above the kept one
    QTest::addColumn<QStringList>("files");
    const QStringList before{"fuori.vmp", "mappe/sotto/x.vmp"};
    QTest::newRow("a plain name") << "Salva" << "dentro.vmp"
                                  << QStringList{"fuori.vmp", "mappe/dentro.vmp", "mappe/sotto/x.vmp"};
    QTest::newRow("up a level") << "Salva" << "../nuova.vmp" << before;
    QTest::newRow("a whole path") << "Salva" << "%1/nuova.vmp" << before;
    QTest::newRow("into its own folder") << "Salva" << "sotto/x.vmp" << before;
    QTest::newRow("over a map above it") << "Salva" << "../fuori.vmp" << before;
    QTest::newRow("loading from above it") << "Carica" << "../fuori.vmp" << before;
}

void TestForm5::aKeptFolderHoldsEveryNameTyped() {
    QFETCH(QString, action);
    QFETCH(QString, name);
    QFETCH(QStringList, files);
    QVERIFY(m_dir.mkpath("mappe/sotto"));
    touch(m_dir.filePath("mappe/sotto/x.vmp"));
    QVERIFY(saveMapFile(m_game, m_dir.filePath("fuori.vmp")) == MapFileResult::done);
    const GameState before = m_state;
    const QString kept = m_dir.filePath("mappe");
    m_form->keepWithin(kept);
    open(action);
    m_form->Text1->setText(name.contains("%1") ? name.arg(m_dir.path()) : name);
    QTest::mouseClick(m_form->Command1, Qt::LeftButton);

    QCOMPARE(filesUnder(m_dir), files);
    const bool refused = name.contains('/');
    QCOMPARE(m_form->isVisible(), refused);
    if (refused) {
        const QString why = QString::fromUtf8(text::mapNameHoldsFolder).arg(kept);
        QCOMPARE(m_board.messages, std::vector<std::string>{why.toStdString()});
        QVERIFY(m_state == before);
    }
}

void TestForm5::aKeptFolderIsTheTopOfTheDirectoryList() {
    QVERIFY(m_dir.mkpath("mappe/sotto"));
    const QString kept = m_dir.filePath("mappe");
    m_form->keepWithin(kept);
    ui::DirectoryList& dir1 = *m_form->Dir1;
    // The dialog was in the folder above: it is brought inside.
    QCOMPARE(dir1.path(), kept);
    open("Carica");
    QCOMPARE(rowOfPath(dir1, kept), 0);
    QCOMPARE(dir1.item(0)->text(), QDir::toNativeSeparators(kept));
    QCOMPARE(rowOfPath(dir1, m_dir.path()), -1);
    QCOMPARE(rowOfPath(dir1, QDir::rootPath()), -1);
    emit dir1.itemActivated(dir1.item(rowOfPath(dir1, m_dir.filePath("mappe/sotto"))));
    QCOMPARE(dir1.path(), m_dir.filePath("mappe/sotto"));
    QCOMPARE(rowOfPath(dir1, kept), 0);
    for (const QString& outside : {m_dir.path(), QDir::rootPath(), m_dir.filePath("mappex")}) {
        dir1.setPath(outside);
        QCOMPARE(dir1.path(), kept);
    }
}

QTEST_MAIN(TestForm5)
#include "test_form5.moc"
