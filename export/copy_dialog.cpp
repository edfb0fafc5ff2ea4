// The copy dialog's controls, its "Copy All" box and the checks behind "Copy...".
#include "export/copy_dialog.h"

#include "common/number_text.h"
#include "export/export_engine.h"
#include "export/gap_label.h"
#include "search/page_store.h"
#include "ui/default_button.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// lblMax sits over this run of blanks in Label1's sentence.
const QString label1Head = QStringLiteral("You can choose to copy any page(s) between 1 and ");
const QString label1Text = QStringLiteral("You can choose to copy any page(s) between 1 and "
                                          "            , you can copy up to 1000 pages at a time!");

} // namespace

CopyDialog::CopyDialog(QWidget* frmMain, const korvane::search::PageSource& pages,
                       std::function<void(const korvane::search::PageSpan&)> copy,
                       std::function<void()> cancelling)
    : SecondaryWindow(frmMain, "frmCopy", QStringLiteral("Copy Options..."), Qt::Dialog),
      pages_(pages), copy_(std::move(copy)), cancelling_(std::move(cancelling)) {
    Image1 = named(new QLabel(this), "Image1");
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32, 32));
    lblMax = named(new QLabel(this), "lblMax");
    lblMax->setAlignment(Qt::AlignCenter);
    // lblMax sits over the run of blanks, which is widened where a font's
    // blanks are too narrow for the largest total.
    Label1 = named(new GapLabel(label1Text, label1Head, 12, lblMax,
                                QString::number(korvane::search::PageStore::maxPages), this),
                   "Label1");

    Frame1 = named(new QGroupBox(QStringLiteral("Copy pages:"), this), "Frame1");
    Label2 = named(new QLabel(QStringLiteral("Beginning  page:"), Frame1), "Label2");
    Label3 = named(new QLabel(QStringLiteral("Ending page:"), Frame1), "Label3");
    Text1 = named(new QLineEdit(QStringLiteral("1"), Frame1), "Text1");
    Text2 = named(new QLineEdit(QStringLiteral("1"), Frame1), "Text2");
    // Named for their labels: the group box's title alone would name both alike.
    Text1->setAccessibleName(QStringLiteral("Beginning page"));
    Text2->setAccessibleName(QStringLiteral("Ending page"));
    auto* spanGrid = new QGridLayout(Frame1);
    spanGrid->addWidget(Label2, 0, 0);
    spanGrid->addWidget(Text1, 0, 1);
    spanGrid->addWidget(Label3, 1, 0);
    spanGrid->addWidget(Text2, 1, 1);

    chkCopy = named(new QCheckBox(QStringLiteral("Copy All (if < 1000 pages)"), this), "chkCopy");
    cmdCopy = named(new QPushButton(QStringLiteral("Copy..."), this), "cmdCopy");
    cmdCancel = named(new QPushButton(QStringLiteral("Close"), this), "cmdCancel");

    layOut();

    defaultButton().set(cmdCopy);
    leaveOnEscape();
    connect(chkCopy, &QCheckBox::toggled, this, &CopyDialog::chkCopy_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &CopyDialog::cmdCopy_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &CopyDialog::cmdCancel_Click);
}

void CopyDialog::layOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(Label1, 1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(Frame1, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(chkCopy);
    side->addStretch();
    middle->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(buttons);
}

QString CopyDialog::pageTotal() const {
    return qText(korvane::decimalDigits(pages_.pageCount()));
}

void CopyDialog::UpdatelblMax() {
    shownTotal_ = pages_.pageCount();
    lblMax->setText(pageTotal());
    if (korvane::exporting::offersCopyAll(shownTotal_)) {
        chkCopy->setChecked(true);
        chkCopy->setEnabled(true);
    } else {
        chkCopy->setEnabled(false);
        chkCopy->setChecked(false);
    }
}

void CopyDialog::chkCopy_Click() {
    if (chkCopy->isChecked()) {
        Text1->setEnabled(false);
        Text2->setEnabled(false);
        Text1->setText(QStringLiteral("1"));
        Text2->setText(pageTotal());
    } else {
        Text1->setEnabled(true);
        Text2->setEnabled(true);
    }
}

void CopyDialog::cmdCopy_Click() {
    const auto checked = korvane::exporting::checkCopyRequest(
        Text1->text().toStdString(), Text2->text().toStdString(), shownTotal_);
    if (const auto* error = std::get_if<korvane::InputError>(&checked))
        return refuseInput(this, *error, Text1, Text2);
    returnToMainWindow();
    copy_(std::get<korvane::search::PageSpan>(checked));
}

void CopyDialog::cmdCancel_Click() {
    returnToMainWindow();
    cancelling_();
}
