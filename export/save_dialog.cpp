// The save dialog's controls, drive and directory choice, the location kept in
// step with them, and the checks behind "Save".
#include "export/save_dialog.h"

#include "common/number_text.h"
#include "export/directory_list.h"
#include "export/export_engine.h"
#include "search/page_source.h"
#include "ui/default_button.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/qt_text.h"
#include "ui/read_number.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace {

// The drive of the current directory: the one a first opening shows.
QString currentDrive() {
    return QStorageInfo(QDir::currentPath()).rootPath();
}

// A drive the user may list: a readable folder that can be entered.
bool isReadableDrive(const QString& root) {
    const QFileInfo info(root);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

// The drive's name as the system knows it, where `root` is where it is mounted.
QString driveCaption(const QString& root) {
    const QStorageInfo volume(root);
    const QString name = volume.rootPath() == root ? volume.name() : QString();
    return name.isEmpty() ? root : root + QStringLiteral("  [") + name + u']';
}

// `path`, or the nearest of its parents that still exists, never above `root`.
QString nearestExisting(QString path, const QString& root) {
    while (!QFileInfo(path).isDir() && path != root && path.startsWith(root)) {
        const QString parent = QFileInfo(path).path();
        if (parent == path)
            break;
        path = parent;
    }
    return QFileInfo(path).isDir() ? path : root;
}

// The open drive list hides itself on Escape but leaves the key unused, so the
// dialog's own Escape would close the dialog as well. Taking the key as the
// list closes keeps the dialog open.
class EscapeClosesListOnly : public QObject {
  public:
    explicit EscapeClosesListOnly(QComboBox* list) : QObject(list) {
        list->view()->installEventFilter(this); // after the list's own filter, so before it
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel))
            event->accept();
        return false;
    }
};

} // namespace

SaveDialog::SaveDialog(QWidget* frmMain, const korvane::search::PageSource& pages,
                       std::function<void(const korvane::search::PageSpan&)> saveFile)
    : SecondaryWindow(frmMain, "Save", QStringLiteral("Saving results to File"), Qt::Dialog),
      pages_(pages), saveFile_(std::move(saveFile)) {
    Frame1 = named(new QGroupBox(QStringLiteral("Save Pages:"), this), "Frame1");
    chkPages = named(new QCheckBox(QStringLiteral("All Pages"), Frame1), "chkPages");
    Label6 = named(new QLabel(QStringLiteral("From page:"), Frame1), "Label6");
    txtFrom = named(new QLineEdit(Frame1), "txtFrom");
    Label7 = named(new QLabel(QStringLiteral("To page:"), Frame1), "Label7");
    txtTo = named(new QLineEdit(Frame1), "txtTo");
    Label6->setBuddy(txtFrom);
    Label7->setBuddy(txtTo);
    auto* spanGrid = new QGridLayout(Frame1);
    spanGrid->addWidget(chkPages, 0, 0, 1, 2);
    spanGrid->addWidget(Label6, 1, 0);
    spanGrid->addWidget(txtFrom, 1, 1);
    spanGrid->addWidget(Label7, 2, 0);
    spanGrid->addWidget(txtTo, 2, 1);

    Label1 = named(
        new QLabel(QStringLiteral("Filename:              (use .txt or .doc extensions)"), this),
        "Label1");
    Filename = named(new QLineEdit(QStringLiteral("Results.txt"), this), "Filename");
    Label2 = named(new QLabel(QStringLiteral("Choose directory:"), this), "Label2");
    Drives = named(new QComboBox(this), "Drives");
    new EscapeClosesListOnly(Drives);
    Directory = named(new DirectoryList(this), "Directory");
    Label3 = named(new QLabel(QStringLiteral("Will be saved in location:"), this), "Label3");
    txtLocation = named(new QLineEdit(this), "txtLocation");
    txtLocation->setReadOnly(true);
    Label4 = named(new QLabel(QStringLiteral("Note:  Some files might be enormously large due to "
                                             "the amount of information being saved."),
                              this),
                   "Label4");
    Label4->setWordWrap(true);
    Label1->setBuddy(Filename);
    Drives->setAccessibleName(QStringLiteral("Drive"));
    Directory->setAccessibleName(QStringLiteral("Folder"));
    txtLocation->setAccessibleName(QStringLiteral("Save location"));
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    cmdSave = named(new QPushButton(QStringLiteral("Save"), this), "cmdSave");
    cmdCancel = named(new QPushButton(QStringLiteral("Close"), this), "cmdCancel");

    layOut();

    leaveOnEscape();
    connect(Drives, &QComboBox::currentIndexChanged, this, &SaveDialog::Drives_Change);
    Directory->onPathChange = [this] { Directory_Change(); };
    connect(Directory, &QListWidget::itemClicked, this, &SaveDialog::Directory_Click);
    connect(Filename, &QLineEdit::textChanged, this, &SaveDialog::Filename_Change);
    connect(chkPages, &QCheckBox::toggled, this, &SaveDialog::chkPages_Click);
    connect(cmdSave, &QPushButton::clicked, this, &SaveDialog::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &SaveDialog::cmdCancel_Click);
}

void SaveDialog::layOut() {
    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Label1);
    left->addWidget(Filename);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(Label2);
    right->addWidget(Drives);
    right->addWidget(Directory, 1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ProgressBar1, 1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(upper, 1);
    layout->addWidget(Label3);
    layout->addWidget(txtLocation);
    layout->addWidget(Label4);
    layout->addLayout(buttons);
    resize(620, 420);
}

QString SaveDialog::pageTotal() const {
    return qText(korvane::decimalDigits(pages_.pageCount()));
}

void SaveDialog::setDriveSource(DriveSource source) {
    driveSource_ = std::move(source);
}

// Drives come and go (removable media), so the list is read afresh at every
// opening. The drive chosen before stays chosen while it is still there.
void SaveDialog::refreshDrives() {
    const QString chosen = Drives->currentData().toString();
    QStringList roots;
    for (const QString& root : driveSource_ ? driveSource_() : QStringList())
        if (isReadableDrive(root) && !roots.contains(root))
            roots.append(root);
    // The drive of the current directory is always there.
    const QString here = currentDrive();
    if (!here.isEmpty() && !roots.contains(here))
        roots.append(here);
    roots.sort();
    {
        const QSignalBlocker quiet(Drives);
        Drives->clear();
        for (const QString& root : roots)
            Drives->addItem(driveCaption(root), root);
        const int kept = Drives->findData(chosen);
        Drives->setCurrentIndex(kept >= 0 ? kept : std::max(0, Drives->findData(here)));
    }
    if (Directory->path().isEmpty())
        return; // the first opening: Form_Load points the directory list
    if (QDir::cleanPath(Drives->currentData().toString()) != Directory->root())
        return Drives_Change();
    // Same drive: list the folder again, or its nearest parent if it has gone.
    Directory->setPath(Directory->root(), nearestExisting(Directory->path(), Directory->root()));
}

void SaveDialog::Form_Load() {
    Drives_Change();
    setLocation();
    txtTo->setText(pageTotal());
    txtFrom->setText(QStringLiteral("1"));
    txtTo->repaint();
    txtFrom->repaint();
    txtLocation->repaint();
}

void SaveDialog::Drives_Change() {
    const QString root = Drives->currentData().toString();
    // A drive starts at the current directory when that lies on it, else at
    // its root.
    const QString here = QDir::currentPath();
    const bool holdsHere = QStorageInfo(here).rootPath() == root;
    if (root.isEmpty() || !Directory->setPath(root, holdsHere ? here : root)) {
        showMessage(this, QStringLiteral(
                              "No media is inserted in the drive or an invalid drive specified!"));
        return;
    }
}

void SaveDialog::Directory_Change() {
    setLocation();
    txtLocation->repaint();
}

void SaveDialog::Directory_Click() {
    Directory_Change();
}

void SaveDialog::Filename_Change() {
    setLocation();
}

void SaveDialog::setLocation() {
    // The root already ends in the separator; no other folder does.
    const QString& folder = Directory->path();
    txtLocation->setText(folder + (folder.endsWith(u'/') ? QString() : QStringLiteral("/")) +
                         Filename->text());
}

void SaveDialog::chkPages_Click() {
    const auto from = numberIn(txtFrom);
    const auto to = numberIn(txtTo);
    if (!from || !to)
        return;
    if (chkPages->isChecked()) {
        txtTo->setText(pageTotal());
        txtFrom->setText(QStringLiteral("1"));
        txtTo->setEnabled(false);
        txtFrom->setEnabled(false);
    } else {
        txtTo->setText(QString::fromStdString(korvane::generalForm(*to)));
        txtFrom->setText(QString::fromStdString(korvane::generalForm(*from)));
        txtTo->setEnabled(true);
        txtFrom->setEnabled(true);
    }
}

void SaveDialog::cmdSave_Click() {
    const auto checked = korvane::exporting::checkSaveRequest(
        txtFrom->text().toStdString(), txtTo->text().toStdString(), pages_.pageCount(),
        Filename->text().toStdString());
    if (const auto* error = std::get_if<korvane::InputError>(&checked))
        return refuseInput(this, *error, txtFrom, txtTo, Filename);
    if (mayReplace())
        saveFile_(std::get<korvane::search::PageSpan>(checked));
}

// A file already at the path is replaced only when the user says so. A folder
// there is no file to replace: the write refuses it with its own message.
bool SaveDialog::mayReplace() {
    const QString path = txtLocation->text();
    const QFileInfo target(path);
    if (!target.exists() || target.isDir())
        return true;
    return askYesNo(this, QStringLiteral("\"%1\" already exists. Replace it?").arg(path));
}

void SaveDialog::cmdCancel_Click() {
    returnToMainWindow();
}
