// Windows that fit the screen they open on, whatever its size or scale
// factor, and secondary windows that open centred over the window they serve.
#pragma once

class QWidget;

// Shrinks `window` so that it and its frame fit the available area of the
// screen it is on (never below its own minimum), then moves it as little as
// needed to lie wholly on that area, or to its middle when it has no place yet.
void fitToScreen(QWidget* window);

// Places `window` centred over `anchor`, fitted to the anchor's screen and
// kept wholly on it.
void centreOver(QWidget* window, const QWidget* anchor);
