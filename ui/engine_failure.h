// A failure inside an engine call (no memory, a thread that cannot start, an
// exception from a library) is reported at the window and never ends the
// program.
#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

// Runs `work`. When it throws, shows "The <what> could not be completed:
// <reason>." over `parent` and returns false; the caller then puts its window
// back in order.
bool completes(QWidget* parent, const QString& what, const std::function<void()>& work);

// For work that failed on another thread: shows `sentence`, whose %1 becomes
// the reason in words, over `parent`.
void showFailure(QWidget* parent, const QString& sentence, const std::exception_ptr& failure);

// Runs `work`. When it throws, runs `putBack` (the window back in order before
// the message box lets other events in), then shows `sentence` with its "%1"
// replaced by the reason over `parent`, and returns false.
bool succeeds(QWidget* parent, const QString& sentence, const std::function<void()>& work,
              const std::function<void()>& putBack = {});
