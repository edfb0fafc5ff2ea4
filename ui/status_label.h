// Status lines are red while work runs and yellow when done or idle; they sit on
// a dark background so the yellow can be read.
#pragma once

class QLabel;

enum class StatusColour { Working, Idle };

void setStatusColour(QLabel* label, StatusColour colour);
StatusColour statusColour(const QLabel* label);
// Gives a label the dark background that status colours need, and the idle
// yellow.
void makeStatusLabel(QLabel* label);
