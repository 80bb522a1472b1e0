#pragma once

#include "game/game.h"
#include "mainwindow.h"
#include "platform.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vortalin::ui {

class DriveList;
class DirectoryList;
class FileList;

// The map file path: the directory, the system's separator unless the
// directory already ends in one (a root does), then the name unchanged.
QString mapFilePath(const QString& directory, const QString& name);

// The map file dialog, for saving and loading alike. Top-level, so that
// disabling the main window leaves it usable; every way out enables the
// main window again.
class Form5 : public QDialog {
public:
    Form5(Game& game, MainWindow& mainWindow);

    // Shows the dialog for "Carica" or "Salva" with fresh lists; the caller
    // then disables the main window.
    void openFor(const QString& action);

    // Handlers.
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    void Command2_Click();

    DriveList* Drive1 = nullptr;
    DirectoryList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    // Keeps the dialog to `folder` and what lies under it: the lists show
    // nothing above it and a name that holds a directory is refused. Empty
    // (the desktops) leaves the whole file system open.
    void keepWithin(const QString& folder);

    // The close box and Escape leave like "Esci".
    void reject() override { Command2_Click(); }

    // Where a written map must also reach the browser's storage; tests
    // stand in for the storage.
    std::function<bool(const QString& path)> keepSaved = platform::keepSavedMap;

private:
    void buildControls();
    void buildNarrowArrangement();
    void refreshLists();
    void save(const QString& path);

    Game& m_game;
    MainWindow& m_mainWindow;
    bool m_loaded = false;
    QString m_folder; // where maps must stay, if anywhere
};

} // namespace vortalin::ui
