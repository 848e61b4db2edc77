#ifndef STARTUP_H
#define STARTUP_H

// The window's start-up: the same look on every desktop, grown with the screen.
// It runs in two steps around the application object, since the toolkit reads
// some settings only while it starts and others only once it exists.

// Before the application object: screen scaling and desktop settings. Reads the
// command line only to learn whether a style was asked for; changes nothing in it.
void prepareToolkit(int argc, char **argv);

// After the application object, before any window: style, palette, fonts and
// each screen's scale.
void prepareApplication();

#endif // STARTUP_H
