#include "form5.h"

#include "arrangement.h"
#include "centring.h"
#include "firstfocus.h"
#include "fonts.h"
#include "windowopening.h"

#include "filelists.h"
#include "platform.h"
#include "twips.h"

#include "mapfile/mapfile.h"
#include "mapfile/maptexts.h"

#include "game/drawing.h"

#include "assets/artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace vortalin::ui {

QString mapFilePath(const QString& directory, const QString& name) {
    QString path = QDir::toNativeSeparators(directory);
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path + name;
}

Form5::Form5(Game& game, MainWindow& mainWindow) : m_game(game), m_mainWindow(mainWindow) {
    setWindowTitle(QStringLiteral("Vortalin "));
    setWindowIcon(art::appIcon());
    setFixedSize(sizeFromTwips(6480, 3885));
    setFont(dialogFont()); // the face the boxes were laid out for
    buildControls();
    buildNarrowArrangement();
    Drive1->refresh();
    Dir1->setPath(QDir::currentPath());
    Drive1->followDirectory(Dir1->path());
    if (const QString folder = platform::mapsFolder(); !folder.isEmpty())
        keepWithin(folder);
}

void Form5::keepWithin(const QString& folder) {
    m_folder = folder;
    Dir1->setTop(folder);
    refreshLists();
}

void Form5::buildControls() {
    Drive1 = new DriveList(this);
    Drive1->setGeometry(rectFromTwips(210, 1980, 2835, 315));
    Dir1 = new DirectoryList(this);
    Dir1->setGeometry(rectFromTwips(210, 195, 2820, 1665));
    File1 = new FileList(this);
    File1->setGeometry(rectFromTwips(3225, 180, 3120, 2040));
    Text1 = new QLineEdit(QStringLiteral(".vmp"), this);
    Text1->setGeometry(rectFromTwips(1335, 2625, 4965, 360));
    Command1 = new QPushButton(QStringLiteral("Command1"), this);
    Command1->setGeometry(rectFromTwips(975, 3285, 2085, 450));
    Label1 = new QLabel(QStringLiteral("Nome file"), this);
    Label1->setGeometry(rectFromTwips(225, 2685, 825, 225));
    Command2 = new QPushButton(QStringLiteral("Esci"), this);
    Command2->setGeometry(rectFromTwips(3750, 3285, 2205, 450));

    // Tab order as catalogued.
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);

    connect(Drive1, &DriveList::driveChanged, this, &Form5::Drive1_Change);
    connect(Dir1, &DirectoryList::pathChanged, this, &Form5::Dir1_Change);
    connect(File1, &QListWidget::itemClicked, this, &Form5::File1_Click);
    // Choosing a file with the keys selects it: the name follows as on a click.
    connect(File1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!File1->selectedItems().isEmpty())
            File1_Click();
    });
    // No default button: Enter confirms in the name box only, and in the
    // directory list it just opens the directory.
    for (QPushButton* button : {Command1, Command2}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(Text1, &QLineEdit::returnPressed, this, &Form5::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

// On a phone held upright: the lists one under another, "Nome file" above
// its box, the buttons side by side below.
void Form5::buildNarrowArrangement() {
    new Arrangement(*this, sizeFromTwips(5400, 6105),
                    {
                        {File1, rectFromTwips(210, 2415, 3120, 2040)},
                        {Label1, rectFromTwips(225, 4575, 825, 225)},
                        {Text1, rectFromTwips(210, 4845, 4965, 360)},
                        {Command1, rectFromTwips(210, 5505, 2085, 450)},
                        {Command2, rectFromTwips(2985, 5505, 2205, 450)},
                    });
}

void Form5::openFor(const QString& action) {
    setWindowTitle(action);
    Command1->setText(action);
    refreshLists();
    focusFirstControl(*Drive1);
    openWindow(*this, m_loaded, [this] { Form_Load(); });
}

void Form5::refreshLists() {
    Drive1->refresh();
    Dir1->refresh(); // a vanished directory gives way to its parent
    File1->setPath(Dir1->path());
    Drive1->followDirectory(Dir1->path());
}

void Form5::Form_Load() {
    centreOnScreen(*this);
}

void Form5::Drive1_Change() {
    Dir1->setPath(Drive1->drive());
}

void Form5::Dir1_Change() {
    File1->setPath(Dir1->path());
    Drive1->followDirectory(Dir1->path());
}

void Form5::File1_Click() {
    Text1->setText(File1->fileName());
}

void Form5::Command1_Click() {
    const QString name = Text1->text();
    if (name.size() < 5) { // one letter and the extension
        m_game.window.message(text::mapNameTooShort);
        return;
    }
    if (name.right(4) != QLatin1String(FileList::extension)) {
        m_game.window.message(text::mapWrongExtension);
        return;
    }
    if (!m_folder.isEmpty() && name.contains(QLatin1Char('/'))) {
        // Only the folder's own lists lead elsewhere, and never out of it.
        m_game.window.message(QString::fromUtf8(text::mapNameHoldsFolder)
                                  .arg(QDir::toNativeSeparators(m_folder))
                                  .toStdString());
        return;
    }
    const QString path = mapFilePath(Dir1->path(), name);
    if (Command1->text() == QLatin1String("Salva"))
        save(path);
    else
        loadMapFile(m_game, path);
    hide();
    giveBackMainWindow(m_mainWindow.window());
}

void Form5::save(const QString& path) {
    const PlanetTable planets = m_game.state.planets;
    const bool earlier = QFileInfo::exists(path);
    if (saveMapFile(m_game, path) != MapFileResult::done || keepSaved(path))
        return;
    // Written, but not kept: as after any refused save, the game stays as it was.
    m_game.state.planets = planets;
    drawplanet(m_game);
    m_game.window.message(std::string(text::mapNotSaved) + text::mapStorageRefused +
                          (earlier ? text::mapEarlierKept : ""));
}

void Form5::Command2_Click() {
    hide();
    giveBackMainWindow(m_mainWindow.window());
}

} // namespace vortalin::ui
