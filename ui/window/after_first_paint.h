#pragma once

#include <functional>

class QWidget;

// Runs `fn` once, from the event loop, after the top-level `window` has been
// exposed and painted for the first time, so work started then (a modal
// prompt, say) never holds back the window's first picture. Call it once the
// window is shown. A window that is never exposed (minimized at start, say)
// still gets `fn` after FirstPaintFallbackMs.
void CallAfterFirstPaint(QWidget* window, std::function<void()> fn);

constexpr int FirstPaintFallbackMs = 500;
