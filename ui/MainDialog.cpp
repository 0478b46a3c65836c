// Quorvel's main dialog: device and channel lists, Open/Close MIDI, Randomize, About, Quit.
#include "MainDialog.h"

#include "ControlChange.h"
#include "OutputPort.h"
#include "ParameterTable.h"
#include "resource.h"

namespace {

constexpr const char* kMissingConfiguration =
    "Can't find the configuration file Quorvel.cfg. Please check that it is installed in the "
    "same directory as this program. You should quit now, 'cos I can't do anything without "
    "that file.";
constexpr const char* kNoOutputSelected = "Can't open MIDI output, because no output has been selected.";
constexpr const char* kOutputInUse = "Can't open MIDI output, something else has probably already opened it.";
constexpr const char* kNoPortOpen = "Can't Randomize, you haven't opened a MIDI port yet.";
constexpr const char* kAboutText =
    "Quorvel\n"
    "Alpha Test Version 2\n"
    "The Quorvel project 2001\n"
    "quorvel@example.org";
constexpr int kChannels = 16;

void ShowError(HWND dialog, const char* text)
{
    MessageBoxA(dialog, text, "Error", MB_OK | MB_ICONERROR);
}

LRESULT SendToControl(HWND dialog, int control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return SendDlgItemMessageA(dialog, control, message, wParam, lParam);
}

// The Open/Close button and the device list always show whether OutputPort is open.
void ShowPortState(HWND dialog)
{
    const bool open = OutputPort != nullptr;
    SetDlgItemTextA(dialog, IDC_OPEN_MIDI, open ? "&Close MIDI" : "&Open MIDI");
    EnableWindow(GetDlgItem(dialog, IDC_OUTPUT_DEVICE), open ? FALSE : TRUE);
}

INT_PTR OnInitDialog(HWND dialog)
{
    if (!LoadConfiguration()) {
        ShowError(dialog, kMissingConfiguration);
    }
    for (const OutputDevice& device : ListOutputDevices()) {
        const LRESULT entry = SendToControl(dialog, IDC_OUTPUT_DEVICE, CB_ADDSTRING, 0,
                                            reinterpret_cast<LPARAM>(device.name.c_str()));
        if (entry >= 0) {
            // Identifiers can have gaps, so each entry carries its own.
            SendToControl(dialog, IDC_OUTPUT_DEVICE, CB_SETITEMDATA, static_cast<WPARAM>(entry),
                          static_cast<LPARAM>(device.identifier));
        }
    }
    for (int channel = 1; channel <= kChannels; ++channel) {
        char text[32];
        wsprintfA(text, "MIDI Channel %d", channel);
        SendToControl(dialog, IDC_CHANNEL, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SendToControl(dialog, IDC_OUTPUT_DEVICE, CB_SETCURSEL, 0);
    SendToControl(dialog, IDC_CHANNEL, CB_SETCURSEL, 0);
    return FALSE;  // the dialog manager leaves the keyboard focus alone
}

void OnOpenMidi(HWND dialog)
{
    if (OutputPort != nullptr) {
        CloseOutputPort();
    } else {
        const LRESULT entry = SendToControl(dialog, IDC_OUTPUT_DEVICE, CB_GETCURSEL);
        const LRESULT identifier =
            entry == CB_ERR ? CB_ERR : SendToControl(dialog, IDC_OUTPUT_DEVICE, CB_GETITEMDATA, static_cast<WPARAM>(entry));
        if (identifier == CB_ERR) {
            ShowError(dialog, kNoOutputSelected);
        } else if (!OpenOutputPort(static_cast<unsigned>(identifier))) {
            ShowError(dialog, kOutputInUse);
        }
    }
    ShowPortState(dialog);
}

void OnRandomize(HWND dialog)
{
    if (OutputPort == nullptr) {
        ShowError(dialog, kNoPortOpen);
        return;
    }
    const LRESULT channel = SendToControl(dialog, IDC_CHANNEL, CB_GETCURSEL);
    RandomizeParameters(OutputPort, static_cast<int>(channel));
}

INT_PTR OnCommand(HWND dialog, WPARAM command)
{
    // The whole wParam: list notifications carry a code in the high half and never match.
    switch (command) {
    case IDOK:  // Enter: nothing to do, as there is no default button
        return TRUE;
    case IDCANCEL:  // Quit, Escape and the close box
        EndDialog(dialog, 1);
        return TRUE;
    case IDC_OPEN_MIDI:
        OnOpenMidi(dialog);
        return TRUE;
    case IDC_RANDOMIZE:
        OnRandomize(dialog);
        return TRUE;
    case IDC_ABOUT:
        MessageBoxA(dialog, kAboutText, "About", MB_OK | MB_ICONINFORMATION);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR OnHelp(HWND dialog)
{
    // Posted, not sent, so the pass runs after this message, exactly as a button click.
    PostMessageA(dialog, WM_COMMAND, IDC_RANDOMIZE, 0);
    return FALSE;
}

INT_PTR OnDestroy()
{
    if (OutputPort != nullptr) {
        CloseOutputPort();
    }
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return OnCommand(dialog, wParam);
    case WM_HELP:
        return OnHelp(dialog);
    case WM_DESTROY:
        return OnDestroy();
    default:
        return FALSE;
    }
}
