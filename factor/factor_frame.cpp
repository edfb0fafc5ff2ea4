// The factor tab turns clicks into engine calls and engine answers into the
// list, the counters, the verdict and the status line.
#include "factor/factor_frame.h"

#include "common/number_text.h"
#include "factor/divisor_list_model.h"
#include "ui/engine_failure.h"
#include "ui/message_box.h"
#include "ui/named.h"
#include "ui/paste_guard.h"
#include "ui/qt_text.h"
#include "ui/status_label.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>
#include <variant>

FactorFrame::FactorFrame(QWidget* parent) : QWidget(parent) {
    createControls();
    layOutControls();
    connect(cmdFactor, &QPushButton::clicked, this, &FactorFrame::cmdFactor_Click);
    connect(cmdClearance, &QPushButton::clicked, this, &FactorFrame::cmdClearance_Click);
    createListMenu();
}

void FactorFrame::createControls() {
    const auto label = [this](const char* name, const char* caption) {
        return named(new QLabel(QString::fromLatin1(caption), this), name);
    };
    Label4 = label("Label4", "Enter a numer: (20 digits max)");
    txtNumber = named(new QLineEdit(QStringLiteral("7"), this), "txtNumber");
    txtNumber->setMaxLength(20);
    guardPastes(txtNumber);
    Label4->setBuddy(txtNumber);
    optSlowest =
        named(new QRadioButton(QStringLiteral("Show all divisors (slower)"), this), "optSlowest");
    optFastest = named(new QRadioButton(QStringLiteral("Show only first divisor (fastest)"), this),
                       "optFastest");
    auto* options = new QButtonGroup(this);
    options->addButton(optSlowest);
    options->addButton(optFastest);
    optSlowest->setChecked(true);
    cmdFactor = named(new QPushButton(QStringLiteral("Factor"), this), "cmdFactor");
    cmdClearance = named(new QPushButton(QStringLiteral("Clear"), this), "cmdClearance");
    // The search and calculator tabs have a "Clear" of their own.
    cmdClearance->setAccessibleName(QStringLiteral("Clear divisors"));

    list_ = new DivisorListModel(this);
    Combo1 = named(new QListView(this), "Combo1");
    Combo1->setModel(list_);
    // Every row has the same height, so the view need not measure a quarter of a
    // million rows before it can draw the first screenful.
    Combo1->setUniformItemSizes(true);
    Combo1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Combo1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Combo1->setAccessibleName(QStringLiteral("Divisor list"));

    Label7 = label("Label7", "Prime: Yes/No");
    lblyesno = label("lblyesno", "NO");
    Label14 = label("Label14", "Factors Found:");
    lblFactors = label("lblFactors", "0");
    Label16 = label("Label16", "Percent Done:");
    lblPercentage = label("lblPercentage", "0");
    Label6 = label("Label6", "%");
    lblProgress = label("lblProgress", "Ready to begin search");
    makeStatusLabel(lblProgress);
    setStatusColour(lblProgress, StatusColour::Idle);
    Label9 = label("Label9", "Time Taken:");
    lblSec = label("lblSec", " 0 sec.");
    Label17 = label("Label17", "Prime factors:");
    lblPrimeFactors = label("lblPrimeFactors", "");
    lblPrimeFactors->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblPrimeFactors->setWordWrap(true);
    // A click gives it the focus, and its text alone would leave it nameless when empty.
    lblPrimeFactors->setAccessibleName(QStringLiteral("Prime factors"));
    lblFact = label("lblFact", "0");
    lblFact->setVisible(false);
}

void FactorFrame::layOutControls() {
    auto* entry = new QHBoxLayout;
    entry->addWidget(txtNumber, 1);
    entry->addWidget(cmdFactor);
    entry->addWidget(cmdClearance);

    auto* percent = new QHBoxLayout;
    percent->setSpacing(2);
    percent->addWidget(lblPercentage);
    percent->addWidget(Label6);
    percent->addStretch(1);

    auto* results = new QGridLayout;
    results->addWidget(Label7, 0, 0);
    results->addWidget(lblyesno, 0, 1);
    results->addWidget(Label14, 1, 0);
    results->addWidget(lblFactors, 1, 1);
    results->addWidget(Label16, 2, 0);
    results->addLayout(percent, 2, 1);
    results->addWidget(Label9, 3, 0);
    results->addWidget(lblSec, 3, 1);
    results->addWidget(Label17, 4, 0, Qt::AlignTop);
    results->addWidget(lblPrimeFactors, 4, 1);
    results->setRowStretch(5, 1);
    results->setColumnStretch(1, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(Combo1, 1);
    body->addLayout(results, 1);

    auto* page = new QVBoxLayout(this);
    page->addWidget(Label4);
    page->addLayout(entry);
    page->addWidget(optSlowest);
    page->addWidget(optFastest);
    page->addLayout(body, 1);
    page->addWidget(lblProgress);
    page->addWidget(lblFact);
}

// The engine decides every answer; the tab times a search, shows
// "Calculating..." while it runs and keeps "Factor" off after it.
void FactorFrame::cmdFactor_Click() {
    const auto read = korvane::factor::readRequest(txtNumber->text().toStdString(), option());
    if (const auto* refused = std::get_if<korvane::InputError>(&read))
        return refuseInput(this, *refused, txtNumber);
    const auto& request = std::get<korvane::factor::Request>(read);
    korvane::factor::Answer found;
    const auto work = [&] { found = korvane::factor::answer(request, factorizer_); };
    if (!request.searches()) {
        if (completes(this, QStringLiteral("factorization"), work))
            showAnswer(std::move(found));
        return;
    }
    clock_.start();
    if (!calculate(work))
        return;
    clock_.stop();
    showAnswer(std::move(found));
    finishProgress();
}

korvane::factor::Option FactorFrame::option() const {
    return optFastest->isChecked() ? korvane::factor::Option::FirstDivisor
                                   : korvane::factor::Option::AllDivisors;
}

void FactorFrame::setFactorizer(korvane::factor::Factorizer factorizer) {
    factorizer_ = std::move(factorizer);
}

// Runs an engine call while the status line says "Calculating...". When the
// call fails, the message says so and the tab is put back as it was.
bool FactorFrame::calculate(const std::function<void()>& work) {
    const QString status = lblProgress->text();
    const StatusColour colour = statusColour(lblProgress);
    const bool factorEnabled = cmdFactor->isEnabled();
    cmdFactor->setEnabled(false);
    startProgress();
    if (completes(this, QStringLiteral("factorization"), work))
        return true;
    lblProgress->setText(status);
    setStatusColour(lblProgress, colour);
    cmdFactor->setEnabled(factorEnabled);
    return false;
}

// The list and its count are replaced whole, so they always belong to the
// number just answered.
void FactorFrame::showAnswer(korvane::factor::Answer answer) {
    lblyesno->setText(answer.prime ? QStringLiteral("YES") : QStringLiteral("NO"));
    if (!answer.listed)
        return;
    lblFactors->setText(qText(korvane::decimalDigits(answer.items.size())));
    list_->clear();
    list_->append(std::move(answer.items));
    if (answer.pairCounter)
        lblFact->setText(qText(korvane::decimalDigits(*answer.pairCounter)));
    lblPercentage->setText(QStringLiteral("100"));
    lblPrimeFactors->setText(qText(answer.factorization));
}

void FactorFrame::cmdClearance_Click() {
    lblFact->setText(QStringLiteral("0"));
    cmdFactor->setEnabled(true);
    list_->clear();
    lblyesno->setText(QStringLiteral("NO"));
    lblFactors->setText(QStringLiteral("0"));
    lblPercentage->setText(QStringLiteral("0"));
    lblSec->setText(QStringLiteral("0 sec."));
    lblPrimeFactors->clear();
}

// Copy and Select All in the list's context menu, and their keys while the list
// has the focus: the view's own Ctrl+C would copy only the current item.
void FactorFrame::createListMenu() {
    mnuListCopy = named(new QAction(QStringLiteral("Copy"), Combo1), "mnuListCopy");
    mnuListCopy->setShortcut(QKeySequence::Copy);
    mnuListSelectAll = named(new QAction(QStringLiteral("Select All"), Combo1), "mnuListSelectAll");
    mnuListSelectAll->setShortcut(QKeySequence::SelectAll);
    for (QAction* item : {mnuListCopy, mnuListSelectAll}) {
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        Combo1->addAction(item);
    }
    Combo1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(mnuListCopy, &QAction::triggered, this, &FactorFrame::mnuListCopy_Click);
    connect(mnuListSelectAll, &QAction::triggered, Combo1, &QListView::selectAll);
}

void FactorFrame::mnuListCopy_Click() {
    const QItemSelection selected = Combo1->selectionModel()->selection();
    if (selected.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(list_->linesOf(selected)));
}

void FactorFrame::startProgress() {
    setStatusColour(lblProgress, StatusColour::Working);
    lblProgress->setText(QStringLiteral("Calculating..."));
    lblProgress->repaint();
}

void FactorFrame::finishProgress() {
    lblSec->setText(qText(korvane::elapsedCaption(clock_.seconds())));
    lblSec->repaint();
    setStatusColour(lblProgress, StatusColour::Idle);
    lblProgress->setText(QStringLiteral("Calculations Completed..."));
    lblProgress->repaint();
}
