// The save dialog's controls, drive and directory choice, the location kept in
// step with them, and the checks behind "Save".
#include "export/save_dialog.h"

#include "app/default_button.h"
#include "app/message_box.h"
#include "app/named.h"
#include "app/secondary_window.h"
#include "common/number_text.h"
#include "export/directory_list.h"
#include "export/export_engine.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace {

// Kernel and runtime file systems: nothing a user saves results on.
bool isPseudoVolume(const QStorageInfo& volume) {
    static const QStringList pseudoTypes = {
        "proc",     "sysfs",      "devpts",    "devtmpfs",    "cgroup", "cgroup2",
        "mqueue",   "debugfs",    "tracefs",   "securityfs",  "pstore", "bpf",
        "configfs", "fusectl",    "hugetlbfs", "autofs",      "nsfs",   "binfmt_misc",
        "efivarfs", "rpc_pipefs", "squashfs",  "fuse.portal", "ramfs"};
    const QString root = volume.rootPath();
    if (pseudoTypes.contains(QString::fromLatin1(volume.fileSystemType())))
        return true;
    for (const QString prefix : {"/proc", "/sys", "/dev", "/run", "/snap"})
        if (root == prefix || root.startsWith(prefix + '/'))
            return true;
    // Single files mounted into a container (/etc/hosts and the like).
    return !QFileInfo(root).isDir();
}

std::optional<double> numberIn(const QLineEdit* box) {
    return korvane::parseNumber(box->text().toStdString());
}

} // namespace

SaveDialog::SaveDialog(QWidget* frmMain, const QLabel* lblPageTotal,
                       std::function<void(double, double)> saveFile)
    : QWidget(nullptr, Qt::Dialog), frmMain_(frmMain), lblPageTotal_(lblPageTotal),
      saveFile_(std::move(saveFile)) {
    // No parent: frmMain is disabled while this is open, and a disabled parent
    // would disable its child windows too.
    setObjectName("Save");
    setWindowTitle(QStringLiteral("Saving results to File"));
    setAttribute(Qt::WA_QuitOnClose, false);

    Frame1 = named(new QGroupBox(QStringLiteral("Save Pages:"), this), "Frame1");
    chkPages = named(new QCheckBox(QStringLiteral("All Pages"), Frame1), "chkPages");
    Label6 = named(new QLabel(QStringLiteral("From page:"), Frame1), "Label6");
    txtFrom = named(new QLineEdit(Frame1), "txtFrom");
    Label7 = named(new QLabel(QStringLiteral("To page:"), Frame1), "Label7");
    txtTo = named(new QLineEdit(Frame1), "txtTo");
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
    Directory = named(new DirectoryList(this), "Directory");
    Label3 = named(new QLabel(QStringLiteral("Will be saved in location:"), this), "Label3");
    txtLocation = named(new QLineEdit(this), "txtLocation");
    txtLocation->setReadOnly(true);
    Label4 = named(new QLabel(QStringLiteral("Note:  Some files might be enormously large due to "
                                             "the amount of information being saved."),
                              this),
                   "Label4");
    Label4->setWordWrap(true);
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    cmdSave = named(new QPushButton(QStringLiteral("Save"), this), "cmdSave");
    cmdCancel = named(new QPushButton(QStringLiteral("Close"), this), "cmdCancel");

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

    fillDrives();

    defaultButton_ = new DefaultButton(this);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &SaveDialog::cmdCancel_Click);
    connect(Drives, &QComboBox::currentIndexChanged, this, &SaveDialog::Drives_Change);
    Directory->onPathChange = [this] { Directory_Change(); };
    connect(Directory, &QListWidget::itemClicked, this, &SaveDialog::Directory_Click);
    connect(Filename, &QLineEdit::textChanged, this, &SaveDialog::Filename_Change);
    connect(chkPages, &QCheckBox::toggled, this, &SaveDialog::chkPages_Click);
    connect(cmdSave, &QPushButton::clicked, this, &SaveDialog::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &SaveDialog::cmdCancel_Click);
}

void SaveDialog::fillDrives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || isPseudoVolume(volume) ||
            roots.contains(volume.rootPath()))
            continue;
        roots.append(volume.rootPath());
    }
    // The drive of the current directory is always there, and selected.
    const QString here = QStorageInfo(QDir::currentPath()).rootPath();
    if (!here.isEmpty() && !roots.contains(here))
        roots.append(here);
    roots.sort();
    for (const QString& root : roots) {
        const QString name = QStorageInfo(root).name();
        Drives->addItem(name.isEmpty() ? root : root + QStringLiteral("  [") + name + u']', root);
    }
    Drives->setCurrentIndex(std::max(0, Drives->findData(here)));
}

void SaveDialog::Form_Load() {
    Drives_Change();
    setLocation();
    txtTo->setText(lblPageTotal_->text());
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
    driveShown_ = Drives->currentIndex();
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
    // The directory, "/" and the name, joined as they are: the root gives "//".
    txtLocation->setText(Directory->path() + u'/' + Filename->text());
}

void SaveDialog::chkPages_Click() {
    const auto from = numberIn(txtFrom);
    const auto to = numberIn(txtTo);
    if (!from || !to)
        return;
    if (chkPages->isChecked()) {
        txtTo->setText(lblPageTotal_->text());
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
    const auto error = korvane::exporting::checkSaveRequest(
        txtFrom->text().toStdString(), txtTo->text().toStdString(),
        lblPageTotal_->text().toStdString(), Filename->text().toStdString());
    if (error) {
        showMessage(this, QString::fromStdString(error->message));
        if (error->focus == korvane::exporting::Focus::First)
            txtFrom->setFocus();
        else if (error->focus == korvane::exporting::Focus::Last)
            txtTo->setFocus();
        return;
    }
    saveFile_(*numberIn(txtFrom), *numberIn(txtTo));
}

void SaveDialog::cmdCancel_Click() {
    hide();
    returnToMainWindow(frmMain_);
}

void SaveDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdCancel_Click();
}
