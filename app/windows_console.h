#pragma once

// Windows start-up: a program for the GUI subsystem opens no console window,
// so its standard output needs pointing somewhere before the game writes to it.
void connectStandardOutput();
