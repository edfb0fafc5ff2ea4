// frmFind: the number box, Find and Close, and the answer as selectable text;
// the engine answers and the page view shows the prime it names.
#include "search/find_window.h"

#include "search/find_number.h"
#include "search/page_navigator.h"
#include "ui/box_width.h"
#include "ui/default_button.h"
#include "ui/engine_failure.h"
#include "ui/named.h"
#include "ui/paste_guard.h"
#include "ui/qt_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace korvane::search;

FindWindow::FindWindow(QWidget* frmMain, const PageStore& pages, PageNavigator& navigator)
    : SecondaryWindow(frmMain, "frmFind", QStringLiteral("Find a Number")), pages_(pages),
      navigator_(navigator) {
    txtFind = named(new QLineEdit(this), "txtFind");
    txtFind->setMaxLength(20); // as the bound boxes: up to "10000000000000000000"
    guardPastes(txtFind);
    auto* caption = new QLabel(QStringLiteral("&Number:"), this);
    caption->setBuddy(txtFind);
    cmdFind = named(new QPushButton(QStringLiteral("&Find"), this), "cmdFind");
    cmdFind->setToolTip(QStringLiteral("Find the number among the listed primes"));
    cmdClose = named(new QPushButton(QStringLiteral("Close"), this), "cmdClose");
    cmdClose->setToolTip(QStringLiteral("Return to Program"));
    lblFindResult = named(new QLabel(this), "lblFindResult");
    lblFindResult->setWordWrap(true);
    lblFindResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFindResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    createLayout(caption);

    defaultButton().set(cmdFind);
    leaveOnEscape();
    connect(cmdFind, &QPushButton::clicked, this, &FindWindow::cmdFind_Click);
    connect(cmdClose, &QPushButton::clicked, this, &FindWindow::cmdClose_Click);
}

// The box and Find on one line, the answer below them with room for three
// lines of text, so the window keeps its size whatever it answers.
void FindWindow::createLayout(QLabel* caption) {
    txtFind->setMinimumWidth(widthShowing(txtFind, QStringLiteral("99999999999999999999")));
    auto* grid = new QGridLayout;
    grid->addWidget(caption, 0, 0);
    grid->addWidget(txtFind, 0, 1);
    grid->addWidget(cmdFind, 0, 2);
    grid->addWidget(lblFindResult, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    const QFontMetrics metrics = lblFindResult->fontMetrics();
    lblFindResult->setMinimumHeight(3 * metrics.lineSpacing());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    // Wide enough for an answer about 20-digit numbers in three lines.
    setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('0')) * 52);
}

void FindWindow::open(const CoveredRange& range) {
    range_ = range;
    txtFind->clear();
    showAnswer(QString());
    openOverMainWindow();
    defaultButton().set(cmdFind);
    txtFind->setFocus();
}

void FindWindow::cmdFind_Click() {
    FindAnswer answer;
    const auto find = [&] { answer = findNumber(txtFind->text().toStdString(), range_, pages_); };
    if (!completes(this, QStringLiteral("find"), find))
        return;
    showAnswer(qText(answer.text));
    if (const auto& prime = answer.show)
        navigator_.showPageSelecting(static_cast<int>(prime->page), static_cast<int>(prime->column),
                                     static_cast<int>(prime->digits));
}

// The answer can be selected, so a click gives it the focus: a screen reader
// then says the answer, or what the label is for while it is empty.
void FindWindow::showAnswer(const QString& text) {
    lblFindResult->setText(text);
    lblFindResult->setAccessibleName(text.isEmpty() ? QStringLiteral("Find result") : QString());
}

void FindWindow::cmdClose_Click() {
    returnToMainWindow();
}
