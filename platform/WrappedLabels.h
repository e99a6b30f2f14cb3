#pragma once
class QWidget;

// A main window does not ask a word-wrapped label how tall its text is at the width the label
// gets, so a text that takes one more line (a longer translation) squeezes the controls around
// it. This keeps every word-wrapped label in `window` at least as tall as its text needs at its
// current width; the window grows to fit.
void keepWrappedLabelsWhole(QWidget* window);
