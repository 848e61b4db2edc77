#ifndef SCREENSCALE_H
#define SCREENSCALE_H

// How far the window grows on a scaled screen: by the desktop's own factor, up to what the
// screen can hold.

// Keeps the command line as it was given, before the application object takes the toolkit's
// own options out of it: a start that has to begin again at other scales needs it whole.
void keepCommandLine(int argc, char **argv);

// Checks that each screen's scale lets the 800 x 600 window and a title bar fit its free area,
// never under 100 %. Where one does not, the program starts again from the beginning with the
// fitting scales given to the toolkit through its documented environment variables, which it
// reads only while the application object is made. Leaves the scale alone when the user chose
// it through those variables, and when no command line was kept.
void fitScreenScales();

#endif // SCREENSCALE_H
