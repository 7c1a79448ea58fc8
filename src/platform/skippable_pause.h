#pragma once

class QWidget;

namespace ornix {

// Waits `milliseconds`, keeping the windows painted. A left press on
// `skipTarget` or the Space key ends the wait at once and returns true; that
// press and its release reach no widget. Every other input to the program's
// windows is held back and delivered, in order, once the wait is over.
bool waitUnlessSkipped(int milliseconds, const QWidget& skipTarget);

}  // namespace ornix
