#include "filelists.h"

#include "platform.h"

#include <QDir>
#include <QFileIconProvider>

#include <algorithm>

namespace vortalin::ui {

namespace {

constexpr int pathRole = Qt::UserRole;

bool holds(const QString& root, const QString& directory) {
    const Qt::CaseSensitivity rule = platform::fileNameCase(); // c:/mappe is on C:/
    return directory.compare(root, rule) == 0 ||
           directory.startsWith(root.endsWith('/') ? root : root + QLatin1Char('/'), rule);
}

QString nearestExisting(QString path) {
    path = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            return QDir::rootPath();
        path = parent;
    }
    return path;
}

} // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    // A change only: choosing the drive already shown keeps the directory.
    // The program's own changes of the entry go on under a signal blocker.
    connect(this, &QComboBox::currentIndexChanged, this, &DriveList::driveChanged);
}

void DriveList::refresh() {
    const QString chosen = drive();
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& root : platform::driveRoots())
        addItem(QDir::toNativeSeparators(root), root);
    setCurrentIndex(std::max(findData(chosen), 0));
}

void DriveList::followDirectory(const QString& directory) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i).toString();
        if (holds(root, directory) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(best);
    }
}

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(item->data(pathRole).toString()); });
}

void DirectoryList::setTop(const QString& top) {
    m_top = top.isEmpty() ? QString() : QDir::cleanPath(QDir(top).absolutePath());
}

void DirectoryList::setPath(const QString& path) {
    QString target = nearestExisting(path);
    if (!m_top.isEmpty() && !holds(m_top, target))
        target = m_top;
    const bool changed = target != m_path;
    m_path = target;
    fill();
    if (changed)
        emit pathChanged();
}

void DirectoryList::fill() {
    clear();
    const QFileIconProvider icons;
    QStringList chain;
    for (QDir dir(m_path);;) {
        chain.prepend(dir.absolutePath());
        if (dir.absolutePath() == m_top || !dir.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& ancestor : chain) {
        // The first entry, a root or the top folder, by its whole path.
        const QString name = depth == 0 ? QDir::toNativeSeparators(ancestor)
                                        : QFileInfo(ancestor).fileName();
        auto* item = new QListWidgetItem(icons.icon(QFileIconProvider::Folder),
                                         QString(2 * depth++, QLatin1Char(' ')) + name, this);
        item->setData(pathRole, ancestor);
    }
    setCurrentRow(count() - 1);
    // An unreadable directory just lists no subdirectories.
    const QDir here(m_path);
    for (const QString& sub : here.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(icons.icon(QFileIconProvider::Folder),
                                         QString(2 * depth, QLatin1Char(' ')) + sub, this);
        item->setData(pathRole, here.absoluteFilePath(sub));
    }
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::setPath(const QString& path) {
    m_path = path;
    clear();
    // QDir patterns ignore case on some systems; the extension must match exactly.
    const QStringList names = QDir(path).entryList({QStringLiteral("*") + extension},
                                                   QDir::Files | QDir::CaseSensitive, QDir::Name);
    for (const QString& name : names) {
        if (name.endsWith(QLatin1String(extension), Qt::CaseSensitive))
            addItem(name);
    }
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

} // namespace vortalin::ui
