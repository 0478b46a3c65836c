// Quorvel's main dialog: device and channel lists, Open/Close MIDI, Randomize, About, Quit.
#pragma once

#include <windows.h>

// The procedure of the "MAINDIALOG" template. Loads the configuration and fills the lists
// while the dialog starts; runs one randomize pass per Randomize command (the button, Alt+R
// or F1); reports every failure in a message box of its own.
INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
