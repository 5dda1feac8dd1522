// Resource identifiers of Brivanta.exe. Icon order matters: the shell counts
// icons by resource order, so the application icon (1) is index 0 and the
// document icon (2), which the ".bvt" association names, is index 1.
#pragma once

#define IDI_APPLICATION_ICON 1
#define IDI_DOCUMENT_ICON 2

#define IDR_MAIN_MENU 100
#define IDR_ACCELERATORS 101

#define IDM_OPEN 200
#define IDM_EXIT 201
#define IDM_HELP_CONTENTS 210
#define IDM_ABOUT 211
