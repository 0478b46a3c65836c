// Identifiers of Quorvel's resources and dialog controls, shared by Quorvel.rc and the code.
#pragma once

#define IDI_MIDI_PORT 113
#define IDI_KEYBOARD 114

#define IDC_OUTPUT_DEVICE 1000
#define IDC_CHANNEL 1001
#define IDC_OPEN_MIDI 1002
#define IDC_RANDOMIZE 1003
#define IDC_ABOUT 1005
