#pragma once

// Starts the application: title, main window, the four secondary windows, event loop.
int runConsole(int argc, char* argv[]);
