// Resource and command ids shared by the resource scripts and the dialog code.
#pragma once

#define IDD_ABOUT_DIALOG 100
#define IDS_ABOUT_ENTRY 101
#define IDD_CHART_DIALOG 102
#define IDR_APP_ICON 128

// System-menu command of the about entry; system commands keep their four
// low bits for the system's own use, so the id is a multiple of 16.
#define IDM_ABOUT_ENTRY 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
