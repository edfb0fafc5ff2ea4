// The "Factor a Number" tab: is the number prime, and what are its divisors.
#pragma once

#include <QWidget>

class DefaultButton;
class QLineEdit;
class QPushButton;

class FactorFrame : public QWidget {
public:
    explicit FactorFrame(DefaultButton& defaultButton, QWidget* parent = nullptr);

    QLineEdit* txtNumber = nullptr;
    QPushButton* cmdFactor = nullptr;

private:
    DefaultButton& defaultButton_;
};
