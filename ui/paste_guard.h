// Boxes with a length limit cut a longer paste to the limit without a word,
// which turns a pasted number into a different one. A guarded box refuses a
// paste, drop or input-method commit that would not fit whole instead, and the
// program beeps.
#pragma once

#include <QObject>

#include <functional>

class QLineEdit;

// Guards `box` against every way text arrives at once: the paste keys, the
// context menu's Paste, a middle click that pastes the selection, a drop, and
// an input method's commit. A refused paste leaves the box's text and cursor
// as they were. A pasted or dropped text loses one final line break (a
// number copied with its line), and must fit without it. Typing is left
// alone: at the limit the box simply takes no more.
void guardPastes(QLineEdit* box);

// What a refusal sounds like: QApplication::beep unless a test listens.
void setRefusalSound(std::function<void()> sound);
