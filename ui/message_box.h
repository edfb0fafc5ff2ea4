// The program's message boxes: no icon, title "Korvane 6".
#pragma once

class QString;
class QWidget;

namespace korvane {
struct InputError;
}

// The text and an OK button. Modal; returns when the user has dismissed it.
void showMessage(QWidget* parent, const QString& text);

// The way every window refuses an input: the error's message, then the focus
// to the box it names, `first`, `second` or `third` (left where it is for None
// or a null box).
void refuseInput(QWidget* parent, const korvane::InputError& error, QWidget* first,
                 QWidget* second = nullptr, QWidget* third = nullptr);

// The text with the buttons Yes and No; No is the default and Escape means No,
// so only a deliberate Yes gives true.
bool askYesNo(QWidget* parent, const QString& text);
