// The About window: fixed texts in a "Program's Information:" frame, the
// licences, and the button that returns to the main window.
#include "app/about_window.h"

#include "ui/default_button.h"
#include "ui/named.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text) {
    return named(new QLabel(QString::fromUtf8(text), parent), name);
}

// The program's own licence and the libraries it links, one line each, as
// their licences ask; the packages of each carry the full texts.
QWidget* credits(QWidget* parent) {
    struct Line {
        const char* name;
        const char* text;
        bool library;
    };
    const Line lines[] = {
        {"lblLicence", "Korvane 6 is distributed under the MIT licence (MIT).", false},
        {"lblLibraries", "It uses these libraries, each under its own licence:", false},
        {"lblQt", "Qt 6 (LGPL-3.0)", true},
        {"lblPrimesieve", "primesieve (BSD-2-Clause)", true},
        {"lblFlint", "FLINT (LGPL-2.1-or-later)", true},
        {"lblGmp", "GMP (LGPL-3.0-or-later)", true},
        {"lblMpfr", "MPFR (LGPL-3.0-or-later)", true},
        {"lblLicenceTexts", "Full licence texts: /usr/share/doc/<package>/copyright", false},
    };
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    for (const Line& line : lines) {
        QLabel* shown = label(box, line.name, line.text);
        shown->setWordWrap(true);
        // Each library stands indented under the sentence that names them.
        if (line.library)
            shown->setIndent(16);
        column->addWidget(shown);
    }
    return box;
}

} // namespace

AboutWindow::AboutWindow(QWidget* frmMain)
    : SecondaryWindow(frmMain, "About", QStringLiteral("About Window")) {
    auto* Frame1 = named(new QGroupBox(QStringLiteral("Program's Information:"), this), "Frame1");
    auto* grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(16);
    struct Pair {
        const char* captionName;
        const char* caption;
        const char* valueName;
        const char* value;
    };
    const Pair pairs[] = {
        {"Label4", "Author/Prog.", "Label9", "The Korvane 6 developers"},
        {"Label18", "Author's E-mail:", "Label17", "not published"},
        {"Label2", "Product Name:", "Label7", "Korvane"},
        {"Label3", "Version:", "Label8", "6.0 Final"},
        {"Label14", "Language:", "Label13", "C++ with Qt 6"},
        {"Label5", "Release Date:", "Label10", "December 2026"},
    };
    int row = 0;
    for (const Pair& pair : pairs) {
        grid->addWidget(label(Frame1, pair.captionName, pair.caption), row, 0);
        grid->addWidget(label(Frame1, pair.valueName, pair.value), row++, 1);
    }
    // The web address has the line below its caption to itself.
    grid->addWidget(label(Frame1, "Label1", "Author's Website:"), row++, 0, 1, 2);
    grid->addWidget(label(Frame1, "Label6", "not published"), row++, 1);
    auto* Label11 = label(Frame1, "Label11",
                          "Send any feedback regarding this program to the author by e-mail.");
    Label11->setWordWrap(true);
    // Wide enough for the sentence on one line, so the window opens no wider.
    Label11->setMinimumWidth(Label11->fontMetrics().horizontalAdvance(Label11->text()) + 4);
    grid->addWidget(Label11, row++, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* Label12 = label(this, "Label12",
                          "This program has been tested to search from 0 through 100 million "
                          "numbers.");
    Label12->setWordWrap(true);

    cmdReturnToProgram =
        named(new QPushButton(QStringLiteral("&Return to Program"), this), "cmdReturnToProgram");
    cmdReturnToProgram->setToolTip(QStringLiteral("Return to Program"));
    connect(cmdReturnToProgram, &QPushButton::clicked, this,
            &AboutWindow::cmdReturnToProgram_Click);
    defaultButton().set(cmdReturnToProgram);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Label12);
    layout->addWidget(credits(this));
    layout->addWidget(cmdReturnToProgram, 0, Qt::AlignHCenter);
    cmdReturnToProgram->setFocus();
    leaveOnEscape();
}

void AboutWindow::cmdReturnToProgram_Click() {
    returnToMainWindow();
}
