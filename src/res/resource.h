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
