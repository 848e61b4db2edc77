#ifndef SCREENSCALE_H
#define SCREENSCALE_H

// How far the window grows on a scaled screen: by the desktop's own factor, up to what the
// screen can hold.

// Fits each screen's scale so that the 800 x 600 window and a title bar fit its free area,
// never under 100 %; leaves the scale alone when the user chose it through the toolkit's own
// environment variables.
void fitScreenScales();

#endif // SCREENSCALE_H
