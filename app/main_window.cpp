#include "app/main_window.h"

#include "app/about_window.h"
#include "app/default_button.h"
#include "calc/calc_frame.h"
#include "export/export_commands.h"
#include "factor/factor_frame.h"
#include "search/search_frame.h"

#include <QMenuBar>
#include <QTabBar>
#include <QVBoxLayout>

MainWindow::MainWindow() {
    setObjectName("frmMain");
    setWindowTitle(QStringLiteral("Korvane 6"));
    defaultButton_ = new DefaultButton(this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    TabStrip1 = new QTabBar(central);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->addTab(QStringLiteral("Primes Search"));
    TabStrip1->addTab(QStringLiteral("Calculator"));
    TabStrip1->addTab(QStringLiteral("Factor a Number"));
    layout->addWidget(TabStrip1);

    BigFrame_1 = new SearchFrame(*defaultButton_, central);
    BigFrame_1->setObjectName("BigFrame_1");
    BigFrame_2 = new CalcFrame(*defaultButton_, central);
    BigFrame_2->setObjectName("BigFrame_2");
    BigFrame_3 = new FactorFrame(*defaultButton_, central);
    BigFrame_3->setObjectName("BigFrame_3");
    for (QWidget* frame : {static_cast<QWidget*>(BigFrame_1), static_cast<QWidget*>(BigFrame_2),
                           static_cast<QWidget*>(BigFrame_3)})
        layout->addWidget(frame);
    BigFrame_2->hide();
    BigFrame_3->hide();
    setCentralWidget(central);

    export_ = new ExportCommands(this, BigFrame_1->pages(), BigFrame_1->lblPageTotal,
                                 BigFrame_1->lblSearch);
}
