// Boxes sized for the longest text they take, in their own font and style, so
// that text shows whole at any font size or scale factor.
#pragma once

class QLineEdit;
class QString;

// The width at which `box` shows `text` whole, without scrolling it.
int widthShowing(const QLineEdit* box, const QString& text);
