#pragma once

#include <QComboBox>
#include <QListWidget>

namespace vortalin::ui {

// The drive list: the system's drives (platform::driveRoots).
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QString drive() const { return currentData().toString(); }
    // Lists the volumes afresh, keeping the chosen one while it is mounted.
    void refresh();
    // Shows the entry that holds `directory`, without a change.
    void followDirectory(const QString& directory);

signals:
    void driveChanged();
};

// The directory list: the current directory's ancestors, itself and its
// subdirectories; activating an entry moves there.
class DirectoryList : public QListWidget {
    Q_OBJECT
public:
    explicit DirectoryList(QWidget* parent = nullptr);

    const QString& path() const { return m_path; }
    // Goes to `path`, or to its nearest existing ancestor; to the top
    // folder when it lies outside it.
    void setPath(const QString& path);
    void refresh() { setPath(m_path); }
    // Lists nothing above `top` and goes nowhere outside it; empty: the
    // whole file system.
    void setTop(const QString& top);
    const QString& top() const { return m_top; }

signals:
    void pathChanged();

private:
    void fill();

    QString m_path;
    QString m_top;
};

// The file list: the map files of one directory, by exact extension.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    static constexpr const char* extension = ".vmp";

    const QString& path() const { return m_path; }
    void setPath(const QString& path);
    void refresh() { setPath(m_path); }
    // The selected file's name, without its directory.
    QString fileName() const;

private:
    QString m_path;
};

} // namespace vortalin::ui
