#include "calc/calc_frame.h"

#include "app/default_button.h"

#include <QPushButton>

CalcFrame::CalcFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton) {
    cmdEquals = new QPushButton(QStringLiteral("="), this);
    cmdEquals->setObjectName("cmdEquals");
}

void CalcFrame::resetFlags() {}
void CalcFrame::ClearAnswer_Click() {}
