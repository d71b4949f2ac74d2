#pragma once
// The night mode of the whole program: every window in dark red on black, remembered between
// runs. The chart itself turns red as it is drawn (the screen canvas's night inks); printouts
// and saved pictures keep their colours.
class QWidget;

bool RememberedNightMode();
// Whether the program is in night mode now.
bool NightModeShown();
void RememberNightMode(bool night);

// Every window's palette and style, the pictures the widgets show, and the palettes that
// `window`'s widgets set for themselves (the chart's paper) in night colours, or back.
void ShowNightMode(bool night, QWidget& window);
