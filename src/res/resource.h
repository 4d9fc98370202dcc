// Resource and control identifiers, shared by the .rc script and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LAUNCHER 102
#define IDR_MAINFRAME 128
#define IDB_BACKGROUND_CHIP 129
#define IDB_BACKGROUND_OTHER 133
#define IDD_NOCHIP 306

// Launcher controls (2 is the Cancel command: "Exit").
#define IDC_INSTALL_DRIVER_AND_APPLICATIONS 1000
#define IDC_INSTALL_DRIVER 3
#define IDC_INSTALL_APPLICATIONS 4
#define IDC_BACKGROUND 1002

// The About entry of the launcher's system menu.
#define IDM_ABOUTBOX 0x0010

#define IDD_JACKCONFIG 103
#define IDD_ARCHITECTURE 130
#define IDD_RESTART 132

// Architecture dialog.
#define IDC_ARCH_VXD 1004
#define IDC_ARCH_WDM 1005

// Jack configuration dialog.
#define IDC_JACK_DISABLE_MIDI 1000
#define IDC_JACK_DISABLE_GAME 1001
#define IDC_JACK_MOTHERBOARD 1006
#define IDC_JACK_SOUND_CARD 1007
#define IDC_JACK_LINEIN_REAR 1011
#define IDC_JACK_LINEIN_CENTER_SUB 1012
#define IDC_JACK_MIC_SUB 1013

// Restart dialog.
#define IDC_RESTART_NOW 1000
#define IDC_RESTART_LATER 1001
