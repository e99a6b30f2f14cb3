#pragma once
class QLabel;

namespace hint_labels {

// Paints `label` in the greyest colour between the window's text and its background that still
// reads at 4.5:1 against the background (WCAG 2's contrast ratio for body text), and keeps it so
// when the palette changes (a switch between light and dark appearance).
void keepReadable(QLabel* label);

} // namespace hint_labels
