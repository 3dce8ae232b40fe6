#pragma once

#include <memory>

class SerialLink;
class TMainScreen;

// Creates the main window, then the four secondary windows it shows, all hidden.
std::unique_ptr<TMainScreen> createMainScreen(SerialLink* port = nullptr);

// Starts the application: main window centred on the screen, event loop, exit code 0.
int runConsole(int argc, char* argv[]);
