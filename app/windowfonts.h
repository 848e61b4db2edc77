#ifndef WINDOWFONTS_H
#define WINDOWFONTS_H

// The faces the window's texts are set in, the same on every desktop.

// Sets the application font and the faces that stand in for the families the window asks for.
void useWindowFaces();

#endif // WINDOWFONTS_H
