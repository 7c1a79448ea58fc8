#pragma once

namespace ornix {

// The clipboard keeper of the X window system, in a QGuiApplication: reads
// the text from its standard input, puts it on the clipboard unless another
// program's text is there already, and serves it until the clipboard holds
// anything else. It asks the X server itself who holds the clipboard, a few
// times a second, so that it ends within a second of losing it however the
// news reaches it, and a newer keeper taking over always ends the older one.
// Returns the process's exit code.
int runClipboardKeeper();

}  // namespace ornix
