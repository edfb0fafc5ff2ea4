// A failure inside an engine call (no memory, a thread that cannot start, an
// exception from a library) is reported at the window and never ends the
// program.
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs `work`. When it throws, shows "The <what> could not be completed:
// <reason>." over `parent` and returns false; the caller then puts its window
// back in order.
bool completes(QWidget* parent, const QString& what, const std::function<void()>& work);

// Runs `work`. When it throws, runs `putBack` (the window back in order before
// the message box lets other events in), then shows `sentence` with its "%1"
// replaced by the reason over `parent`, and returns false.
bool succeeds(QWidget* parent, const QString& sentence, const std::function<void()>& work,
              const std::function<void()>& putBack = {});
