// The Save dialog's directory list: the chain of folders from the drive's root
// down to the chosen one, then the folders inside it. Activating an entry
// (double-click or Enter) makes it the chosen directory.
#pragma once

#include <QListWidget>
#include <QString>

#include <functional>

class DirectoryList : public QListWidget {
  public:
    explicit DirectoryList(QWidget* parent = nullptr);

    // Lists `path` under the drive rooted at `root`; false, with nothing
    // changed, when the directory cannot be read.
    bool setPath(const QString& root, const QString& path);
    const QString& path() const { return path_; }
    const QString& root() const { return root_; }

    // Runs after the chosen directory has changed.
    std::function<void()> onPathChange;

  protected:
    // Enter on a folder opens it. The dialog's default button would take the
    // key first and save into the folder shown before.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void open(QListWidgetItem* item);

    QString root_;
    QString path_;
};
