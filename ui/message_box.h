// The program's message boxes: no icon, title "Korvane 6".
#pragma once

class QString;
class QWidget;

// The text and an OK button. Modal; returns when the user has dismissed it.
void showMessage(QWidget* parent, const QString& text);

// showMessage, then the focus to `focus` (none when null): the way every
// window refuses an input and points at the box to mend.
void showMessageThenFocus(QWidget* parent, const QString& text, QWidget* focus);

// The text with the buttons Yes and No; No is the default and Escape means No,
// so only a deliberate Yes gives true.
bool askYesNo(QWidget* parent, const QString& text);
