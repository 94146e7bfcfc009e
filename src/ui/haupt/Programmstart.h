#pragma once

// Starts the program: start window, main window, event loop. Returns the exit code.
int Programmstart(int &argc, char **argv);
