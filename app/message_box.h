// The program's message box: the text, an OK button, no icon, title "Korvane 6".
#pragma once

class QString;
class QWidget;

// Modal; returns when the user has dismissed it.
void showMessage(QWidget* parent, const QString& text);
