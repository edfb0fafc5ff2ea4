#include "factor/factor_frame.h"

#include "app/default_button.h"

#include <QLineEdit>
#include <QPushButton>

FactorFrame::FactorFrame(DefaultButton& defaultButton, QWidget* parent)
    : QWidget(parent), defaultButton_(defaultButton) {
    txtNumber = new QLineEdit(QStringLiteral("7"), this);
    txtNumber->setObjectName("txtNumber");
    cmdFactor = new QPushButton(QStringLiteral("Factor"), this);
    cmdFactor->setObjectName("cmdFactor");
}
