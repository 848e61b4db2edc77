#ifndef STARTUP_H
#define STARTUP_H

// Mends fonts and looks that differ on this platform from the one the test was
// laid out on. Call once after the application object exists, before any window.
void prepareApplication();

#endif // STARTUP_H
