#include "mapfile/diskwrite.h"
#include "mapfile/mapfailure.h"
#include "mapfile/mapfile.h"
#include "mapfile/mapformat.h"

#include "game/drawing.h"
#include "game/flight.h"
#include "game/memoryboard.h"
#include "support/scriptedrandom.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <functional>
#include <limits>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#endif

using namespace vortalin;

Q_DECLARE_METATYPE(MapFileResult)
Q_DECLARE_METATYPE(ShotOutcome)

namespace {

// The game as the dialog sees it, with an in-memory main window.
struct Fixture {
    GameState state;
    MemoryBoard board;
    ScriptedRandom random;
    Game game{state, board, board, random};
};

void putBody(PlanetTable& p, int row, double x, double y, double kind, double radius, double mass) {
    p.x(row) = x;
    p.y(row) = y;
    p.kind(row) = kind;
    p.radius(row) = radius;
    p.mass(row) = mass;
}

// Eight bodies in a row, kinds 1 to 8, and both ships.
GameState eightBodies(int planetCount) {
    GameState s;
    for (int row = 1; row <= 8; ++row)
        putBody(s.planets, row, 100.0 * row, 300 + row, row, row < 5 ? 35 : 50, 3.97e24);
    s.ships.x(0) = 120;
    s.ships.y(0) = 700;
    s.ships.x(1) = 900;
    s.ships.y(1) = 710;
    s.options[Option::planetCount] = planetCount;
    s.options[Option::animationDelay] = 20;
    s.currentTurn = 7;
    s.lastShotInputs.angle(0) = " 45";
    return s;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray mapBytes(const GameState& s) {
    const MapBytes b = encodeMap(s.planets, s.ships);
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

// Every picture element holds something, so a clear shows.
void fillPictures(MemoryBoard& board) {
    for (int k = 0; k < 10; ++k) {
        board.setPicture(ImageArray::bodies, k, 13);
        board.movePicture(ImageArray::bodies, k, -1, -1);
    }
    for (int j = 0; j < 2; ++j)
        board.setPicture(ImageArray::ships, j, 13);
}

bool sameBodyPictures(const MemoryBoard& a, const MemoryBoard& b) {
    for (std::size_t k = 0; k < 10; ++k) {
        if (a.bodies[k].stock != b.bodies[k].stock || a.bodies[k].left != b.bodies[k].left ||
            a.bodies[k].top != b.bodies[k].top)
            return false;
    }
    return true;
}

#ifdef Q_OS_UNIX
// Runs `work` in a child process and gives its exit status: the child may
// limit itself (file size, user) without touching the test.
int inChild(const std::function<int()>& work) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(work());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The child's exit status when the machine cannot make the failure.
constexpr int cannotSetUp = 77;
// ... when root cannot become nobody, or nobody cannot reach the test's folder.
constexpr int cannotDropRoot = 78;
constexpr int cannotReach = 79;

// In a child: root gives up its privileges, so permission bits count; an
// ordinary user is one already. Gives 0, or why that user cannot work in
// `folder`.
int becomeOrdinaryUserIn(const QString& folder) {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
        return cannotDropRoot;
    return access(QFile::encodeName(folder).constData(), X_OK) == 0 ? 0 : cannotReach;
}

// Why a child could not do its work, or nothing when it could.
const char* whyNotSetUp(int status) {
    switch (status) {
    case cannotSetUp:
        return "this machine cannot make that failure (a resource limit or a mount refused)";
    case cannotDropRoot:
        return "running as root without the privilege to become nobody, whom permissions bind";
    case cannotReach:
        return "nobody cannot reach the temporary folder; set TMPDIR to one open to all";
    }
    return nullptr;
}

// In a child: a file-size limit below a map's size, so writing one fails
// for real (EFBIG) at byte `bytes`.
bool limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

ino_t inode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// Three bodies of eightBodies(3) as a save leaves them: the rest cleared.
GameState threeSaved() {
    GameState s = eightBodies(3);
    for (int row = 4; row <= 20; ++row)
        s.planets.clearRow(row);
    return s;
}

// For a child, which cannot use the test's checks.
bool put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What swapIn can put at a map's name.
bool isSwap(const QString& what) {
    return what == "hard link" || what == "symbolic link" || what == "new file";
}

// In a child, as another process in the middle of a save: puts at `file`'s
// name a hard link to `other`, a symbolic link to it, or a new file with
// `bytes`, in one rename. A folder closed to new files is opened meanwhile.
bool swapIn(const QString& what, const QString& file, const QString& other,
            const QByteArray& bytes) {
    const QByteArray folder = QFile::encodeName(QFileInfo(file).path());
    const QByteArray to = QFile::encodeName(file);
    const QByteArray from = QFile::encodeName(other);
    const QByteArray swap = folder + "/.swap";
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0 ||
        ::chmod(folder.constData(), info.st_mode | S_IWUSR) != 0)
        return false;
    const bool made = what == "hard link"       ? ::link(from.constData(), swap.constData()) == 0
                      : what == "symbolic link" ? ::symlink(from.constData(), swap.constData()) == 0
                                                : put(QFile::decodeName(swap), bytes);
    const bool swapped = made && ::rename(swap.constData(), to.constData()) == 0;
    return ::chmod(folder.constData(), info.st_mode & 07777) == 0 && swapped;
}
#endif

#ifdef Q_OS_LINUX
// In a child run by root: nobody, whom permission bits bind, who may take
// root's part again for a moment (see asRoot).
int becomeOrdinaryUserKeepingRootIn(const QString& folder) {
    if (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 0) != 0 ||
        setresuid(65534, 65534, 0) != 0)
        return cannotDropRoot;
    return access(QFile::encodeName(folder).constData(), X_OK) == 0 ? 0 : cannotReach;
}

// Runs `work` as root, as another user would act on a shared folder.
bool asRoot(const std::function<bool()>& work) {
    if (seteuid(0) != 0)
        return false;
    const bool done = work();
    return seteuid(65534) == 0 && done;
}

// The kernel takes these files' settings in one write each.
bool setProcess(const char* file, const QByteArray& setting) {
    const int fd = ::open(file, O_WRONLY | O_CLOEXEC);
    const bool set = fd >= 0 && ::write(fd, setting.constData(), size_t(setting.size())) ==
                                    ssize_t(setting.size());
    return ::close(fd) == 0 && set;
}

// In a child: a mount namespace of its own, so that what it mounts goes
// away with it and no other process sees it. An ordinary user gets one
// inside a user namespace of its own, where the system allows that.
bool ownMounts() {
    if (geteuid() != 0) {
        const QByteArray uid = QByteArray::number(geteuid()), gid = QByteArray::number(getegid());
        if (unshare(CLONE_NEWUSER) != 0 || !setProcess("/proc/self/setgroups", "deny") ||
            !setProcess("/proc/self/uid_map", "0 " + uid + " 1") ||
            !setProcess("/proc/self/gid_map", "0 " + gid + " 1"))
            return false;
    }
    return unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// In a child with mounts of its own: a small memory disk at `folder`.
bool mountSmallDisk(const QString& folder, const char* options) {
    return mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, options) == 0;
}

// In a child: the old map at `map`, and the failure `setUp` made real around
// it; `outside` is a writable file to mount over the map on a read-only disk.
bool makeFailure(const QString& setUp, const QString& map, const QString& outside,
                 const QByteArray& oldBytes) {
    const QString disk = QFileInfo(map).path();
    const QByteArray where = QFile::encodeName(map);
    if (setUp != "files" && !ownMounts())
        return false;
    if ((setUp == "inodes" && !mountSmallDisk(disk, "nr_inodes=8")) ||
        (setUp == "read-only disk" && !mountSmallDisk(disk, "size=64k")) || !put(map, oldBytes))
        return false;
    if (setUp == "inodes") {
        for (int k = 0; k < 100 && put(disk + "/f" + QString::number(k), {}); ++k) {
        } // until no inode is left
    }
    if (setUp == "bound")
        return mount(where.constData(), where.constData(), nullptr, MS_BIND, nullptr) == 0;
    if (setUp == "read-only disk")
        return mount(nullptr, QFile::encodeName(disk).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                     nullptr) == 0 &&
               mount(QFile::encodeName(outside).constData(), where.constData(), nullptr, MS_BIND,
                     nullptr) == 0;
    return true;
}

// In a child: room for just `more` further open files (0: all it may have).
bool roomForOpenFiles(int more) {
    rlimit limit{};
    const int next = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (next < 0 || ::close(next) != 0 || getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return false;
    limit.rlim_cur = more > 0 ? rlim_t(next + more) : limit.rlim_max;
    return setrlimit(RLIMIT_NOFILE, &limit) == 0;
}
#endif

// The boards of the committed seed maps in tests/maps, one per file name.
std::vector<std::pair<QString, GameState>> seedBoards() {
    GameState example;
    putBody(example.planets, 1, 300, 200, 5, 50, 5.97e24);
    example.ships.x(0) = 60;
    example.ships.y(0) = 400;
    example.ships.x(1) = 700;
    example.ships.y(1) = 120;

    GameState three;
    putBody(three.planets, 1, 512, 384, 2, 35, 3.97e24);
    putBody(three.planets, 2, 880, 610, 6, 50, 5.97e24);
    putBody(three.planets, 3, 230, 700, 9, 75, 7.97e24);
    three.ships.x(0) = 95;
    three.ships.y(0) = 150;
    three.ships.x(1) = 1100;
    three.ships.y(1) = 860;

    GameState all;
    const double kinds[] = {1, 4, 5, 8, 9, 10, 11, 15, 12, 3};
    const double radii[] = {35, 35, 50, 75, 75, 35, 35, 50, 50, 35};
    const double masses[] = {3.97e24,  3.97e24, 5.97e24, 7.97e24, 7.97e24,
                             -3.97e24, 2.57e25, 8.57e24, 8.57e24, 3.97e24};
    for (int row = 1; row <= 10; ++row)
        putBody(all.planets, row, 110.0 * row, 150 + 60 * (row % 4), kinds[row - 1], radii[row - 1],
                masses[row - 1]);
    all.ships.x(0) = 40;
    all.ships.y(0) = 900;
    all.ships.x(1) = 1200;
    all.ships.y(1) = 40;

    return {{"worked-example.vmp", example},
            {"three-planets.vmp", three},
            {"ten-bodies.vmp", all},
            {"eight-bodies.vmp", eightBodies(8)},
            {"empty.vmp", GameState{}}};
}

} // namespace

class TestMapFile : public QObject {
    Q_OBJECT
private slots:
    void init();
    void saveClearsRowsAboveThePlanetCountInFileAndMemory();
    void twoSavesOfOneBoardAreByteIdentical();
    void savingOverALongerFileLeavesExactly888Bytes();
    void failedSaveKeepsTheOldFileAndTheTables_data();
    void failedSaveKeepsTheOldFileAndTheTables();
    void saveThatCannotWriteKeepsTheOldMap();
    void onlyAFolderThatRefusesLeadsToWritingInPlace_data();
    void onlyAFolderThatRefusesLeadsToWritingInPlace();
    void saveIntoAFolderThatTakesNoNewFile_data();
    void saveIntoAFolderThatTakesNoNewFile();
    void saveOverAnotherUsersMapInASharedFolder_data();
    void saveOverAnotherUsersMapInASharedFolder();
    void aLinkIsFollowedOnlyWhereTheKernelWould_data();
    void aLinkIsFollowedOnlyWhereTheKernelWould();
    void saveOnASmallDisk_data();
    void saveOnASmallDisk();
    void permissionRefusalsAreNamed_data();
    void permissionRefusalsAreNamed();
    void refusedLoadLeavesTablesAndPicturesUntouched_data();
    void refusedLoadLeavesTablesAndPicturesUntouched();
    void loadReplacesTablesAndRedrawsButKeepsOptionsAndTurn();
    void longerFileLoadsFromItsFirst888Bytes();
    void moreBodiesThanThePlanetCountAreAllDrawnAndSavedDownToTheCount();
    void outOfRangeValuesLoadAndSaveAgainUnchanged();
    void committedSeedMapsStillLoadAsTheirBoards();
    void loadedBodiesPullUpToTheCountButAllStopShots_data();
    void loadedBodiesPullUpToTheCountButAllStopShots();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void TestMapFile::init() {
    QVERIFY(m_dir.isValid());
}

void TestMapFile::saveClearsRowsAboveThePlanetCountInFileAndMemory() {
    Fixture f;
    f.state = eightBodies(3);
    f.state.planets.x(0) = 7; // row 0 is written as it stands
    const GameState before = f.state;
    drawplanet(f.game);

    QCOMPARE(saveMapFile(f.game, path("three.vmp")), MapFileResult::done);

    GameState expected = before;
    for (int row = 4; row <= 20; ++row)
        expected.planets.clearRow(row);
    QCOMPARE(f.state, expected);
    QCOMPARE(readAll(path("three.vmp")), mapBytes(expected));
    QVERIFY(f.board.messages.empty());
    // The cleared bodies lose their pictures; the kept ones stay as drawn.
    QVERIFY(f.board.bodies[2].stock.has_value());
    for (int k = 3; k < 10; ++k)
        QCOMPARE(f.board.bodies[std::size_t(k)].stock, std::nullopt);
}

void TestMapFile::twoSavesOfOneBoardAreByteIdentical() {
    Fixture f;
    f.state = eightBodies(8);
    QCOMPARE(saveMapFile(f.game, path("a.vmp")), MapFileResult::done);
    const QByteArray first = readAll(path("a.vmp"));
    QCOMPARE(saveMapFile(f.game, path("a.vmp")), MapFileResult::done);
    QCOMPARE(saveMapFile(f.game, path("b.vmp")), MapFileResult::done);
    QCOMPARE(first.size(), 888);
    QCOMPARE(readAll(path("a.vmp")), first);
    QCOMPARE(readAll(path("b.vmp")), first);
}

// A longer file keeps no tail behind the map.
void TestMapFile::savingOverALongerFileLeavesExactly888Bytes() {
    Fixture f;
    f.state = eightBodies(8);
    writeFile(path("long.vmp"), QByteArray(2000, '\x5A'));
    QCOMPARE(saveMapFile(f.game, path("long.vmp")), MapFileResult::done);
    QCOMPARE(readAll(path("long.vmp")), mapBytes(f.state));
}

void TestMapFile::failedSaveKeepsTheOldFileAndTheTables_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<MapFileResult>("result");
    QTest::addColumn<QString>("reason");
    // Root ignores permission bits, so the failures come from the tree itself.
    QTest::newRow("parent is a file") << "plain.vmp/inside.vmp" << MapFileResult::missingFolder
                                      << "la cartella indicata non esiste";
    QTest::newRow("path is a directory")
        << "folder.vmp" << MapFileResult::folder << "il nome indica una cartella, non un file";
    QTest::newRow("parent missing")
        << "nowhere/x.vmp" << MapFileResult::missingFolder << "la cartella indicata non esiste";
    QTest::newRow("name too long") << QString(300, 'n') + ".vmp" << MapFileResult::nameTooLong
                                   << "il nome del file è troppo lungo";
#ifdef Q_OS_UNIX
    QTest::newRow("a pipe") << "pipe.vmp" << MapFileResult::notAFile
                            << "il nome non indica un file";
#endif
}

void TestMapFile::failedSaveKeepsTheOldFileAndTheTables() {
    QFETCH(QString, name);
    QFETCH(MapFileResult, result);
    QFETCH(QString, reason);
    const QByteArray old(100, '\x11');
    writeFile(path("plain.vmp"), old);
    QVERIFY(QDir(m_dir.path()).mkpath("folder.vmp"));
#ifdef Q_OS_UNIX
    if (!QFileInfo::exists(path("pipe.vmp")))
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.vmp")).constData(), 0666), 0);
#endif
    Fixture f;
    f.state = eightBodies(2);
    const GameState before = f.state;

    QCOMPARE(saveMapFile(f.game, path(name)), result);

    QCOMPARE(f.state, before);
    QCOMPARE(readAll(path("plain.vmp")), old);
    QVERIFY(QFileInfo(path("folder.vmp")).isDir());
#ifdef Q_OS_UNIX
    QVERIFY(!QFileInfo(path("pipe.vmp")).isFile()); // still the pipe
#endif
    QCOMPARE(f.board.messages,
             std::vector<std::string>{"Impossibile salvare la mappa: " + reason.toStdString()});
    QVERIFY(!QFileInfo::exists(path("nowhere")));
}

// With a file-size limit below a map's size the write really fails, as on a
// full disk: the old map stays whole, the tables too, and the player is told.
void TestMapFile::saveThatCannotWriteKeepsTheOldMap() {
#ifdef Q_OS_UNIX
    QVERIFY(QDir(m_dir.path()).mkpath("full"));
    const QString old = path("full/old.vmp");
    const QByteArray oldBytes = mapBytes(eightBodies(8));
    writeFile(old, oldBytes);
    const int status = inChild([&old] {
        if (!limitFileSize(500))
            return cannotSetUp;
        Fixture f;
        f.state = eightBodies(3);
        const GameState before = f.state;
        const bool refused = saveMapFile(f.game, old) == MapFileResult::diskFull;
        const bool told =
            f.board.messages == std::vector<std::string>{"Impossibile salvare la mappa: non c'è "
                                                         "abbastanza spazio sul disco"};
        return refused && told && f.state == before ? 0 : 1;
    });
    if (const char* why = whyNotSetUp(status))
        QSKIP(why);
    QCOMPARE(status, 0);
    QCOMPARE(readAll(old), oldBytes);
    QCOMPARE(QDir(path("full")).entryList(QDir::Files), QStringList{"old.vmp"});
#else
    QSKIP("needs a file-size limit");
#endif
}

// Real failures, each in a child of its own. Only a folder that refuses the
// temporary file or the rename leads to writing over the map in place; any
// other failure leaves the old map as it was, and the player reads that
// failure's own reason.
void TestMapFile::onlyAFolderThatRefusesLeadsToWritingInPlace_data() {
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<MapFileResult>("result");
    QTest::addColumn<QString>("reason");
    QTest::newRow("too many files open")
        << "files" << MapFileResult::tooManyFiles << "ci sono troppi file aperti";
    QTest::newRow("no inode left on the disk")
        << "inodes" << MapFileResult::diskFull << "non c'è abbastanza spazio sul disco";
    QTest::newRow("the map is a mount point: no rename over it")
        << "bound" << MapFileResult::done << QString();
    QTest::newRow("a read-only disk, the map mounted writable on it")
        << "read-only disk" << MapFileResult::done << QString();
}

void TestMapFile::onlyAFolderThatRefusesLeadsToWritingInPlace() {
#ifdef Q_OS_LINUX
    QFETCH(QString, setUp);
    QFETCH(MapFileResult, result);
    QFETCH(QString, reason);
    QDir(path("disk")).removeRecursively(); // the last row's
    QVERIFY(QDir(m_dir.path()).mkpath("disk"));
    const QString disk = path("disk");
    const QString map = disk + "/old.vmp";
    const QString outside = path("outside.vmp"); // the writable map over a read-only disk
    const QByteArray oldBytes = mapBytes(eightBodies(8));
    writeFile(outside, oldBytes);
    const QByteArray expected = result == MapFileResult::done ? mapBytes(threeSaved()) : oldBytes;
    const std::vector<std::string> said =
        reason.isEmpty()
            ? std::vector<std::string>{}
            : std::vector<std::string>{"Impossibile salvare la mappa: " + reason.toStdString()};

    // The child's first check that failed, or 0.
    const int status = inChild([&]() -> int {
        if (!makeFailure(setUp, map, outside, oldBytes))
            return cannotSetUp;
        const ino_t before = inode(map);
        if (setUp == "files" && !roomForOpenFiles(1)) // the map's folder, nothing beside it
            return cannotSetUp;
        Fixture f;
        f.state = eightBodies(3);
        const MapFileResult got = saveMapFile(f.game, map);
        roomForOpenFiles(0);
        if (got != result)
            return 1;
        if (f.board.messages != said)
            return 2;
        if (readAll(map) != expected)
            return 3;
        if (inode(map) != before)
            return 4; // written in place, or not at all
        if (!QDir(disk).entryList({".vortalin*"}, QDir::Files | QDir::Hidden).isEmpty())
            return 5;
        return f.state == (result == MapFileResult::done ? threeSaved() : eightBodies(3)) ? 0 : 6;
    });
    if (const char* why = whyNotSetUp(status))
        QSKIP(why);
    QCOMPARE(status, 0);
    QCOMPARE(readAll(outside), setUp == "read-only disk" ? expected : oldBytes);
#else
    QSKIP("needs Linux resource limits and mounts");
#endif
}

// Maps in a folder the player cannot add files to: a writable map file is
// written over in place, and a failed write leaves the old map as it was.
// Where the map is swapped meanwhile (the folder opened for a moment), or
// a file appears where there was none, nothing is written at all.
void TestMapFile::saveIntoAFolderThatTakesNoNewFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("oldSize"); // -1: no file there
    QTest::addColumn<bool>("mapWritable");
    QTest::addColumn<int>("sizeLimit"); // 0: none
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<MapFileResult>("result");
    QTest::newRow("writable map") << "duello.vmp" << 888 << true << 0 << "" << MapFileResult::done;
    QTest::newRow("longer writable file")
        << "duello.vmp" << 2000 << true << 0 << "" << MapFileResult::done;
    QTest::newRow("shorter writable file")
        << "duello.vmp" << 100 << true << 0 << "" << MapFileResult::done;
    QTest::newRow("read-only map")
        << "duello.vmp" << 888 << false << 0 << "" << MapFileResult::noPermission;
    QTest::newRow("no map yet") << "nuova.vmp" << -1 << true << 0 << ""
                                << MapFileResult::noPermission;
    QTest::newRow("size limit over a map")
        << "duello.vmp" << 888 << true << 500 << "" << MapFileResult::diskFull;
    QTest::newRow("size limit over a short file")
        << "duello.vmp" << 100 << true << 500 << "" << MapFileResult::diskFull;
    QTest::newRow("size limit, and the old bytes refused too")
        << "duello.vmp" << 888 << true << 500 << "put-back refused" << MapFileResult::diskFull;
    QTest::newRow("the map swapped for a hard link to another file")
        << "duello.vmp" << 888 << true << 0 << "hard link" << MapFileResult::replaced;
    QTest::newRow("the map swapped for a symbolic link")
        << "duello.vmp" << 888 << true << 0 << "symbolic link" << MapFileResult::replaced;
    QTest::newRow("the map swapped for another file")
        << "duello.vmp" << 888 << true << 0 << "new file" << MapFileResult::replaced;
    QTest::newRow("no map yet, a file appears meanwhile")
        << "nuova.vmp" << -1 << true << 0 << "new file" << MapFileResult::noPermission;
}

void TestMapFile::saveIntoAFolderThatTakesNoNewFile() {
#ifdef Q_OS_UNIX
    QFETCH(QString, name);
    QFETCH(int, oldSize);
    QFETCH(bool, mapWritable);
    QFETCH(int, sizeLimit);
    QFETCH(QString, meanwhile);
    QFETCH(MapFileResult, result);
    QDir(path("shared")).removeRecursively(); // the last row's
    QVERIFY(QDir(m_dir.path()).mkpath("shared"));
    const QString file = path("shared/" + name);
    QByteArray old = mapBytes(eightBodies(8));
    old = oldSize > 888 ? old + QByteArray(oldSize - 888, '\x5A') : old.left(std::max(oldSize, 0));
    if (oldSize >= 0) {
        writeFile(file, old);
        const auto all = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        const auto write =
            QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        QFile::setPermissions(file, mapWritable ? all | write : all);
    }
    // Another file of the player's, which a swap puts at the map's name.
    const QString precious = path("importante.txt");
    const QByteArray preciousBytes = "il lavoro di una settimana\n";
    writeFile(precious, preciousBytes);
    const ino_t before = inode(file);
    const auto enter = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                       QFileDevice::ExeOther;
    QFile::setPermissions(path("shared"), enter); // nobody adds files, owner included
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::ExeOther);
    if (geteuid() == 0) { // the player, nobody, owns them
        for (const QString& own : {path("shared"), precious})
            QCOMPARE(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
    }

    const GameState board = eightBodies(3);
    const std::string expectedSaid =
        result == MapFileResult::done
            ? std::string()
            : std::string("Impossibile salvare la mappa: ") + reasonText(result) +
                  (meanwhile == "put-back refused"
                       ? "; il file che c'era è rimasto in parte sovrascritto"
                       : "");
    const int status = inChild([&] {
        if (const int refused = becomeOrdinaryUserIn(path("shared")))
            return refused;
        if (sizeLimit > 0 && !limitFileSize(rlim_t(sizeLimit)))
            return cannotSetUp;
        bool setUp = true;
        setSaveStepHook([&](SaveStep step) {
            if (step == SaveStep::puttingBack && meanwhile == "put-back refused")
                setUp = limitFileSize(0); // not a byte more, not even the old ones
            if (step == SaveStep::writingInPlace && isSwap(meanwhile))
                setUp = swapIn(meanwhile, file, precious, preciousBytes);
        });
        Fixture f;
        f.state = board;
        const bool same = saveMapFile(f.game, file) == result;
        const std::string said = f.board.messages.empty() ? "" : f.board.messages.front();
        if (!setUp)
            return cannotSetUp;
        return same && said == expectedSaid && f.board.messages.size() <= 1 ? 0 : 1;
    });
    QFile::setPermissions(path("shared"), enter | QFileDevice::WriteOwner);
    if (const char* why = whyNotSetUp(status))
        QSKIP(why);
    QCOMPARE(status, 0);

    GameState saved = board;
    for (int row = 4; row <= 20; ++row)
        saved.planets.clearRow(row);
    QCOMPARE(readAll(precious), preciousBytes); // byte for byte
    if (result == MapFileResult::done) {
        QCOMPARE(readAll(file), mapBytes(saved));
        QCOMPARE(inode(file), before); // the same file, other links see the new board
    } else if (isSwap(meanwhile)) {
        QCOMPARE(readAll(file), preciousBytes); // what stood there then, untouched
    } else if (meanwhile == "put-back refused") {
        QCOMPARE(readAll(file), mapBytes(saved).left(sizeLimit) + old.mid(sizeLimit));
    } else if (oldSize >= 0) {
        QCOMPARE(readAll(file), old);
    } else {
        QVERIFY(!QFileInfo::exists(file));
    }
    const bool named = oldSize >= 0 || meanwhile == "new file";
    QCOMPARE(QDir(path("shared")).entryList(QDir::Files | QDir::Hidden | QDir::System),
             named ? QStringList{name} : QStringList{});
#else
    QSKIP("needs Unix permissions");
#endif
}

// A folder for all with the sticky bit, as /tmp: a temporary file may be
// made there, but not renamed over a map someone else owns, even a map the
// player may write. The map is written over in place and stays its owner's;
// but not when another user swaps it for something else during the save,
// nor when it has other names, which another user may have linked to a
// file that is not theirs.
void TestMapFile::saveOverAnotherUsersMapInASharedFolder_data() {
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<MapFileResult>("result");
    QTest::newRow("another user's map") << "" << MapFileResult::done;
    QTest::newRow("swapped for a hard link to the player's file")
        << "hard link" << MapFileResult::replaced;
    QTest::newRow("swapped for a symbolic link to the player's file")
        << "symbolic link" << MapFileResult::replaced;
    QTest::newRow("swapped for another file") << "new file" << MapFileResult::replaced;
    QTest::newRow("a hard link to a third user's file, put there before")
        << "planted hard link" << MapFileResult::sharedHardLink;
}

void TestMapFile::saveOverAnotherUsersMapInASharedFolder() {
#ifdef Q_OS_LINUX
    QFETCH(QString, meanwhile);
    QFETCH(MapFileResult, result);
    if (geteuid() != 0)
        QSKIP("needs root, to own a map that another user then saves over");
    for (const char* folder : {"sticky", "home"}) {
        QDir(path(folder)).removeRecursively(); // the last row's
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
    }
    const QString shared = path("sticky");
    const QString file = shared + "/duello.vmp";
    const QString precious = path("home/importante.txt"); // the player's
    const QByteArray preciousBytes = "il lavoro di una settimana\n";
    writeFile(precious, preciousBytes);
    QCOMPARE(::chown(QFile::encodeName(precious).constData(), 65534, 65534), 0);
    if (meanwhile == "planted hard link") {
        // A file of a third user's that the player may write, linked by a fourth.
        QCOMPARE(::chmod(QFile::encodeName(precious).constData(), 0666), 0);
        QCOMPARE(::chown(QFile::encodeName(precious).constData(), 65533, 65533), 0);
        QCOMPARE(
            ::link(QFile::encodeName(precious).constData(), QFile::encodeName(file).constData()),
            0);
    } else {
        writeFile(file, mapBytes(eightBodies(8)));
        QCOMPARE(::chmod(QFile::encodeName(file).constData(), 0666), 0);
    }
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::ExeOther);
    const ino_t before = inode(file);
    const GameState board = eightBodies(3);
    const std::vector<std::string> said =
        result == MapFileResult::done
            ? std::vector<std::string>{}
            : std::vector<std::string>{std::string("Impossibile salvare la mappa: ") +
                                       reasonText(result)};

    const int status = inChild([&] {
        if (const int refused = becomeOrdinaryUserKeepingRootIn(shared))
            return refused;
        bool setUp = true;
        setSaveStepHook([&](SaveStep step) {
            if (step == SaveStep::writingInPlace && isSwap(meanwhile))
                setUp = asRoot([&] { return swapIn(meanwhile, file, precious, preciousBytes); });
        });
        Fixture f;
        f.state = board;
        const bool same = saveMapFile(f.game, file) == result && f.board.messages == said;
        if (!setUp)
            return cannotSetUp;
        return same && f.state == (result == MapFileResult::done ? threeSaved() : board) ? 0 : 1;
    });
    if (const char* why = whyNotSetUp(status))
        QSKIP(why);
    QCOMPARE(status, 0);
    QCOMPARE(readAll(precious), preciousBytes); // byte for byte
    if (result == MapFileResult::done) {
        QCOMPARE(readAll(file), mapBytes(threeSaved()));
        QCOMPARE(inode(file), before);
        QCOMPARE(QFileInfo(file).ownerId(), 0u);
    } else {
        QCOMPARE(readAll(file), preciousBytes); // what stood there then, untouched
    }
    QCOMPARE(QDir(shared).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{"duello.vmp"});
#else
    QSKIP("needs Linux users");
#endif
}

// In a folder sticky and open to all, as /tmp, another user's link could
// point a save at any file of the player's: it is refused, as Linux refuses
// it with fs.protected_symlinks on, whether or not this system has it on. A
// link the kernel would follow leads both ways of saving (replacing, and
// writing in place where the target cannot be renamed over) to the very
// file open() reaches.
void TestMapFile::aLinkIsFollowedOnlyWhereTheKernelWould_data() {
    QTest::addColumn<QString>("linkOwner"); // the player, or nobody
    QTest::addColumn<bool>("nobodyOwnsTheFolder");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("targetMounted"); // no rename over it: written in place
    QTest::addColumn<bool>("followed");
    QTest::newRow("another user's link") << "nobody" << false << 01777 << false << false;
    QTest::newRow("another user's link to a file written in place")
        << "nobody" << false << 01777 << true << false;
    QTest::newRow("the player's own link") << "player" << false << 01777 << false << true;
    QTest::newRow("the player's own link to a file written in place")
        << "player" << false << 01777 << true << true;
    QTest::newRow("the folder owner's link") << "nobody" << true << 01777 << false << true;
    QTest::newRow("another user's link, the folder not sticky")
        << "nobody" << false << 0777 << false << true;
}

void TestMapFile::aLinkIsFollowedOnlyWhereTheKernelWould() {
#ifdef Q_OS_LINUX
    QFETCH(QString, linkOwner);
    QFETCH(bool, nobodyOwnsTheFolder);
    QFETCH(int, folderMode);
    QFETCH(bool, targetMounted);
    QFETCH(bool, followed);
    if (linkOwner == "nobody" && geteuid() != 0)
        QSKIP("planting a link as another user needs root");
    for (const char* folder : {"shared", "home"}) {
        QDir(path(folder)).removeRecursively(); // the last row's
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
    }
    const QString shared = path("shared");
    const QString link = shared + "/trappola.vmp";
    const QString precious = path("home/importante.txt");
    const QByteArray preciousBytes = "il lavoro di una settimana\n";
    writeFile(precious, preciousBytes);
    const ino_t before = inode(precious);
    QCOMPARE(::chmod(QFile::encodeName(shared).constData(), mode_t(folderMode)), 0);
    if (nobodyOwnsTheFolder)
        QCOMPARE(::chown(QFile::encodeName(shared).constData(), 65534, 65534), 0);
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::ExeOther);
    const QByteArray from = QFile::encodeName(precious);
    const QByteArray at = QFile::encodeName(link);
    if (linkOwner == "player") {
        QCOMPARE(::symlink(from.constData(), at.constData()), 0);
    } else {
        const int planted = inChild([&] {
            if (const int refused = becomeOrdinaryUserIn(shared))
                return refused;
            return ::symlink(from.constData(), at.constData()) == 0 ? 0 : 1;
        });
        if (const char* why = whyNotSetUp(planted))
            QSKIP(why);
        QCOMPARE(planted, 0);
    }

    // The player saves over the link; the child's first check that failed, or 0.
    const int status = inChild([&]() -> int {
        if (targetMounted && (!ownMounts() || mount(from.constData(), from.constData(), nullptr,
                                                    MS_BIND, nullptr) != 0))
            return cannotSetUp;
        Fixture f;
        f.state = eightBodies(3);
        const MapFileResult got = saveMapFile(f.game, link);
        if (got != (followed ? MapFileResult::done : MapFileResult::plantedLink))
            return 1;
        const std::vector<std::string> refusal{
            "Impossibile salvare la mappa: il file è un collegamento simbolico che un altro "
            "utente ha messo nella cartella condivisa"};
        if (f.board.messages != (followed ? std::vector<std::string>{} : refusal))
            return 2;
        return f.state == (followed ? threeSaved() : eightBodies(3)) ? 0 : 3;
    });
    if (const char* why = whyNotSetUp(status))
        QSKIP(why);
    QCOMPARE(status, 0);
    QCOMPARE(readAll(precious), followed ? mapBytes(threeSaved()) : preciousBytes);
    if (targetMounted)
        QCOMPARE(inode(precious), before);
    QCOMPARE(QFileInfo(link).symLinkTarget(), precious); // the link itself stays
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(shared).entryList(all), QStringList{"trappola.vmp"});
    QCOMPARE(QDir(path("home")).entryList(all), QStringList{"importante.txt"});
#else
    QSKIP("needs Linux links, users and mounts");
#endif
}

// A real small disk, mounted for one child alone: full, or mounted
// read-only. The old map stays whole and the player reads why: the
// system's own "no space" reaches the player.
void TestMapFile::saveOnASmallDisk_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << false << "non c'è abbastanza spazio sul disco";
    QTest::newRow("read-only disk") << true << "il disco è protetto dalla scrittura";
}

void TestMapFile::saveOnASmallDisk() {
#ifdef Q_OS_LINUX
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_dir.path()).mkpath("disk"));
    const QString disk = path("disk");
    const QByteArray oldBytes = mapBytes(eightBodies(8));
    const std::string expectedSaid = "Impossibile salvare la mappa: " + reason.toStdString();
    const int status = inChild([&] {
        const QByteArray where = QFile::encodeName(disk);
        // Two pages: the old map takes one, a filler the other.
        if (!ownMounts() || !mountSmallDisk(disk, "size=8k"))
            return cannotSetUp;
        QFile old(disk + "/old.vmp");
        if (!old.open(QIODevice::WriteOnly) || old.write(oldBytes) != oldBytes.size())
            return 3;
        old.close();
        QFile filler(disk + "/filler");
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return 3;
        while (filler.write(QByteArray(512, 'f')) == 512) {
        }
        filler.close();
        if (readOnly &&
            mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_RDONLY, "size=8k") != 0)
            return cannotSetUp;
        Fixture f;
        f.state = eightBodies(3);
        const GameState before = f.state;
        const bool refused = saveMapFile(f.game, old.fileName()) != MapFileResult::done;
        const bool told = f.board.messages == std::vector<std::string>{expectedSaid};
        const bool kept = readAll(old.fileName()) == oldBytes && f.state == before;
        const bool clean =
            QDir(disk).entryList(QDir::Files | QDir::Hidden) == QStringList{"filler", "old.vmp"};
        return refused && told && kept && clean ? 0 : 1;
    });
    if (status == cannotSetUp)
        QSKIP("this machine lets this user mount no disk of its own (needs root, or user "
              "namespaces)");
    QCOMPARE(status, 0);
#else
    QSKIP("needs Linux mount namespaces");
#endif
}

// Refusals by permission, tried as an ordinary user: root drops to nobody,
// since it would be let through. The folders bar their owner too.
void TestMapFile::permissionRefusalsAreNamed_data() {
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("name");
    QTest::newRow("save into a read-only folder") << true << "locked/new.vmp";
    QTest::newRow("load an unreadable map") << false << "locked/map.vmp";
    QTest::newRow("load from a closed folder") << false << "closed/map.vmp";
}

void TestMapFile::permissionRefusalsAreNamed() {
#ifdef Q_OS_UNIX
    QFETCH(bool, saving);
    QFETCH(QString, name);
    constexpr auto usable =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    for (const char* folder : {"locked", "closed"}) {
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
        QFile::setPermissions(path(folder), usable);
        writeFile(path(folder) + "/map.vmp", mapBytes(eightBodies(3)));
    }
    QFile::setPermissions(path("locked/map.vmp"), QFileDevice::WriteOwner);
    // Its names can be listed, but nothing in it can be reached.
    QFile::setPermissions(path("closed"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(m_dir.path(), QFile::permissions(m_dir.path()) | QFileDevice::ExeOther);
    enum : int { refusedAndTold, notRefused, letThrough };
    const int status = inChild([&]() -> int {
        if (const int refused = becomeOrdinaryUserIn(m_dir.path()))
            return refused;
        const QByteArray target = QFile::encodeName(saving ? path("locked") : path(name));
        if (access(target.constData(), saving ? W_OK : R_OK) == 0)
            return letThrough;
        Fixture f;
        const MapFileResult result =
            saving ? saveMapFile(f.game, path(name)) : loadMapFile(f.game, path(name));
        const std::string said =
            saving ? "Impossibile salvare la mappa: " : "Impossibile caricare la mappa: ";
        const bool told = f.board.messages ==
                          std::vector<std::string>{said + "non si hanno i permessi necessari"};
        return result == MapFileResult::noPermission && told ? refusedAndTold : notRefused;
    });
    for (const char* folder : {"locked", "closed"})
        QFile::setPermissions(path(folder), usable);
    if (const char* why = whyNotSetUp(status))
        QSKIP(why);
    if (status == letThrough)
        QSKIP("this user passes file permissions (a capability, or a file system without modes)");
    QCOMPARE(status, int(refusedAndTold));
#else
    QSKIP("needs Unix permissions");
#endif
}

void TestMapFile::refusedLoadLeavesTablesAndPicturesUntouched_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<MapFileResult>("result");
    QTest::addColumn<QString>("reason");

    GameState good = eightBodies(3);
    QByteArray nanMass = mapBytes(good);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    memcpy(nanMass.data() + 680, &nan, 8); // row 1 mass; this machine is little-endian

    QTest::newRow("missing") << "missing.vmp" << QByteArray() << MapFileResult::missing
                             << "il file non esiste";
    QTest::newRow("empty") << "empty.vmp" << QByteArray("") << MapFileResult::tooShort
                           << "il file è troppo corto per essere una mappa";
    QTest::newRow("887 bytes") << "short.vmp" << mapBytes(good).left(887) << MapFileResult::tooShort
                               << "il file è troppo corto per essere una mappa";
    QTest::newRow("NaN mass") << "nan.vmp" << nanMass << MapFileResult::notFinite
                              << "il file contiene valori che non sono numeri";
    QTest::newRow("a directory") << "dir.vmp" << QByteArray() << MapFileResult::folder
                                 << "il nome indica una cartella, non un file";
    QTest::newRow("name too long")
        << QString(300, 'n') + ".vmp" << QByteArray() << MapFileResult::nameTooLong
        << "il nome del file è troppo lungo";
}

void TestMapFile::refusedLoadLeavesTablesAndPicturesUntouched() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(MapFileResult, result);
    QFETCH(QString, reason);
    if (!contents.isNull())
        writeFile(path(name), contents);
    if (name == "dir.vmp")
        QVERIFY(QDir(m_dir.path()).mkpath(name));
    Fixture f;
    f.state = eightBodies(3);
    fillPictures(f.board);
    const GameState before = f.state;
    const MemoryBoard boardBefore = f.board;

    QCOMPARE(loadMapFile(f.game, path(name)), result);

    QCOMPARE(f.state, before);
    QVERIFY(sameBodyPictures(f.board, boardBefore));
    QCOMPARE(f.board.messages,
             std::vector<std::string>{"Impossibile caricare la mappa: " + reason.toStdString()});
    if (contents.isNull() && name != "dir.vmp")
        QVERIFY(!QFileInfo::exists(path(name))); // refused, not created
}

void TestMapFile::loadReplacesTablesAndRedrawsButKeepsOptionsAndTurn() {
    GameState saved;
    saved.planets.x(1) = 300;
    saved.planets.y(1) = 200;
    saved.planets.kind(1) = 12; // drawing turns a fresh supernova into 15
    saved.planets.radius(1) = 50;
    saved.planets.mass(1) = 8.57e24;
    saved.ships.x(0) = 40;
    saved.ships.y(0) = 60;
    saved.ships.x(1) = 500;
    saved.ships.y(1) = 90;
    writeFile(path("one.vmp"), mapBytes(saved));

    Fixture f;
    f.state = eightBodies(8);
    f.board.fireEnabled = true;
    fillPictures(f.board);
    GameState expected = f.state;
    expected.planets = saved.planets;
    expected.planets.kind(1) = 15;
    expected.ships = saved.ships;

    QCOMPARE(loadMapFile(f.game, path("one.vmp")), MapFileResult::done);

    QCOMPARE(f.state, expected);
    QVERIFY(f.board.messages.empty());
    QVERIFY(f.board.fireEnabled);
    QCOMPARE(f.board.bodies[0].stock, std::optional<int>(14));
    QCOMPARE(f.board.bodies[0].left, 250.f);
    for (std::size_t k = 1; k < 10; ++k)
        QCOMPARE(f.board.bodies[k].stock, std::nullopt);
    QCOMPARE(f.board.ships[1].stock, std::optional<int>(12));
    QCOMPARE(f.board.ships[1].left, 485.f);
}

void TestMapFile::longerFileLoadsFromItsFirst888Bytes() {
    const GameState saved = eightBodies(8);
    writeFile(path("long.vmp"), mapBytes(saved) + QByteArray(500, '\xFF'));
    Fixture f;
    QCOMPARE(loadMapFile(f.game, path("long.vmp")), MapFileResult::done);
    QCOMPARE(f.state.planets, saved.planets);
    QCOMPARE(f.state.ships, saved.ships);
}

// Drawing walks to the first zero x whatever the count; a later save keeps
// only the counted bodies.
void TestMapFile::moreBodiesThanThePlanetCountAreAllDrawnAndSavedDownToTheCount() {
    writeFile(path("eight.vmp"), mapBytes(eightBodies(8)));
    Fixture f;
    f.state.options[Option::planetCount] = 3;

    QCOMPARE(loadMapFile(f.game, path("eight.vmp")), MapFileResult::done);
    QCOMPARE(f.state.options.planetCount(), 3);
    for (int k = 0; k < 8; ++k)
        QCOMPARE(f.board.bodies[std::size_t(k)].stock, std::optional<int>(k));
    QCOMPARE(f.board.bodies[8].stock, std::nullopt);

    QCOMPARE(saveMapFile(f.game, path("eight.vmp")), MapFileResult::done);
    QCOMPARE(f.state.planets.x(3), 300.0);
    QCOMPARE(f.state.planets.x(4), 0.0);
    QCOMPARE(f.state.planets.mass(8), 0.0);
}

// Only a file written elsewhere holds these; none may bring the game down.
void TestMapFile::outOfRangeValuesLoadAndSaveAgainUnchanged() {
    GameState odd;
    for (int row = 1; row <= 20; ++row)
        putBody(odd.planets, row, row == 4 ? 0 : 1e308 / row, -1e308, row * 7 - 30, 1e308, -1);
    odd.planets.kind(2) = 99;
    odd.planets.kind(3) = -4;
    odd.ships.x(0) = std::numeric_limits<double>::max();
    odd.ships.x(2) = 5; // a third ship nobody draws
    writeFile(path("odd.vmp"), mapBytes(odd));

    Fixture f;
    f.state.options[Option::planetCount] = 20;
    QCOMPARE(loadMapFile(f.game, path("odd.vmp")), MapFileResult::done);
    QCOMPARE(f.state.planets, odd.planets);
    QCOMPARE(f.board.bodies[1].stock, std::nullopt); // kind 99 has no picture
    QCOMPARE(f.board.bodies[3].stock, std::nullopt); // drawing stopped at the zero x

    QCOMPARE(saveMapFile(f.game, path("again.vmp")), MapFileResult::done);
    QCOMPARE(readAll(path("again.vmp")), mapBytes(odd));
}

// The seed maps are real files other tools start from; with
// VORTALIN_WRITE_SEED_MAPS set, this writes them afresh.
void TestMapFile::committedSeedMapsStillLoadAsTheirBoards() {
    const QString dir = QFINDTESTDATA("maps");
    QVERIFY(!dir.isEmpty());
    for (const auto& [name, board] : seedBoards()) {
        const QString file = QDir(dir).filePath(name);
        if (qEnvironmentVariableIsSet("VORTALIN_WRITE_SEED_MAPS")) {
            Fixture writer;
            writer.state = board;
            writer.state.options[Option::planetCount] = 10;
            QCOMPARE(saveMapFile(writer.game, file), MapFileResult::done);
        }
        Fixture f;
        QCOMPARE(loadMapFile(f.game, file), MapFileResult::done);
        GameState expected = board;
        for (int row = 1; row <= 10; ++row) {
            if (expected.planets.kind(row) == 12)
                expected.planets.kind(row) = 15; // drawn, so on the board
        }
        QCOMPARE(f.state.planets, expected.planets);
        QCOMPARE(f.state.ships, expected.ships);
        QCOMPARE(readAll(file), mapBytes(board));
    }
}

void TestMapFile::loadedBodiesPullUpToTheCountButAllStopShots_data() {
    QTest::addColumn<int>("planetCount");
    QTest::addColumn<bool>("row8OnThePath");
    QTest::addColumn<ShotOutcome>("outcome");
    QTest::newRow("row 4 uncounted, clear path") << 3 << false << ShotOutcome::win1;
    QTest::newRow("row 4 counted, shot bent away") << 4 << false << ShotOutcome::lost;
    QTest::newRow("row 8 uncounted, on the path") << 3 << true << ShotOutcome::body;
}

// A map of eight bodies loaded while the count says three: gravity from the
// counted rows only, hits and pictures from all eight.
void TestMapFile::loadedBodiesPullUpToTheCountButAllStopShots() {
    QFETCH(int, planetCount);
    QFETCH(bool, row8OnThePath);
    QFETCH(ShotOutcome, outcome);
    GameState map;
    for (int row = 1; row <= 8; ++row) // light bodies out of the way
        putBody(map.planets, row, 1200, 60.0 * row, 1, 35, 1);
    putBody(map.planets, 4, 500, 380, 1, 35, 1e28); // heavy, 120 px off the path
    if (row8OnThePath)
        putBody(map.planets, 8, 500, 500, 1, 35, 1);
    map.ships.x(0) = 100;
    map.ships.y(0) = 500;
    map.ships.x(1) = 900;
    map.ships.y(1) = 500;
    writeFile(path("eight.vmp"), mapBytes(map));

    Fixture f;
    f.state.options[Option::planetCount] = planetCount;
    f.state.options[Option::animationDelay] = 1;
    QCOMPARE(loadMapFile(f.game, path("eight.vmp")), MapFileResult::done);
    for (std::size_t k = 0; k < 8; ++k)
        QCOMPARE(f.board.bodies[k].stock, std::optional<int>(0));

    QCOMPARE(fuoco(f.game, "0", "13000").outcome, outcome);
    QCOMPARE(f.state.options.planetCount(), planetCount);
}

QTEST_GUILESS_MAIN(TestMapFile)
#include "test_mapfile.moc"
