#pragma once

class QWidget;

namespace ornix {

class Ui;

// The editor window's way out: it folds up to a strip, its height first and
// then its width, 200 twips a step with the screen kept painted, and shows
// "   ...later" for a moment. It stops early where the system keeps the window
// from getting any smaller.
void playClosingAnimation(QWidget& window, Ui& ui);

}  // namespace ornix
