// Quorvel's entry point: runs the main dialog until the user quits.
#include "MainDialog.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, "MAINDIALOG", nullptr, MainDialogProc, 0);
    return 0;  // whatever the dialog's result
}
