// Folder chain and sub-folders of the chosen directory, listed with QDir.
#include "export/directory_list.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace {

constexpr int pathRole = Qt::UserRole;

bool isEnter(const QKeyEvent& key) {
    const auto modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           modifiers == Qt::NoModifier;
}

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this, &DirectoryList::open);
}

bool DirectoryList::setPath(const QString& root, const QString& path) {
    const QString clean = QDir::cleanPath(path);
    const QDir dir(clean);
    if (!dir.exists() || !dir.isReadable())
        return false;
    const QString cleanRoot = QDir::cleanPath(root);
    const bool changed = clean != path_;
    root_ = cleanRoot;
    path_ = clean;

    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The chain from the root down, each level indented a little further.
    QStringList chain;
    for (QString p = clean;; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (p == cleanRoot || QDir(p).isRoot() || !p.startsWith(cleanRoot))
            break;
    }
    int depth = 0;
    for (const QString& p : chain) {
        const QString name = QDir(p).isRoot() || p == cleanRoot ? p : QFileInfo(p).fileName();
        auto* item = new QListWidgetItem(openIcon, QString(depth * 2, u' ') + name, this);
        item->setData(pathRole, p);
        ++depth;
    }
    setCurrentRow(count() - 1);

    const QStringList subdirs =
        dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subdirs) {
        auto* item = new QListWidgetItem(closedIcon, QString(depth * 2, u' ') + name, this);
        item->setData(pathRole, dir.filePath(name));
    }
    if (changed && onPathChange)
        onPathChange();
    return true;
}

void DirectoryList::open(QListWidgetItem* item) {
    if (!item)
        return;
    const QString target = item->data(pathRole).toString();
    // A folder that has gone or cannot be read keeps the list where it is.
    if (target != path_)
        setPath(root_, target);
}

bool DirectoryList::event(QEvent* event) {
    // Accepting the override keeps Enter from the window's shortcuts, so it
    // arrives here as a key press.
    if (event->type() == QEvent::ShortcutOverride && isEnter(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QListWidget::event(event);
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if (!isEnter(*event))
        return QListWidget::keyPressEvent(event);
    open(currentItem());
    event->accept();
}
