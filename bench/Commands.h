#pragma once

// What the benchmark program does besides timing: main picks one by its command line.

// Prints the widgets of a real main window by kind, as the plain window copies them.
void printMainScreenCensus();

// Logs frames price replies in a fresh main window and prints the peak resident memory, KiB.
int runMemoryProbe(int frames);
