#pragma once
// The setup window's layout was drawn for small native widgets (13-pixel check boxes, thin
// combo-box borders). GTK's default theme asks for more than the fixed rows give, which
// clips the labels and warns on every layout; this trims the theme's paddings to fit.

// Applies to every widget of the process; call once the toolkit is up, before any window.
void ApplyCompactStyle();
