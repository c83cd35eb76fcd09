//{{NO_DEPENDENCIES}}
// Symbols of the sample project.

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif

#define IDI_SAMPLE                      101
#define IDD_ABOUT                       102
#define IDR_MAINMENU                    103
#define IDR_ACCELERATORS                104
#define IDB_TOOLBAR                     105
#define IDC_VERSION_TEXT                1000
#define IDC_HOMEPAGE                    1001
#define IDC_SHOW_TIPS                   1002
#define IDC_VOLUME                      1003
#define IDM_FILE_NEW                    40001
#define IDM_FILE_OPEN                   40002
#define IDM_FILE_SAVE                   40003
#define IDM_FILE_EXIT                   40004
#define IDM_VIEW_STATUSBAR              40005
#define IDM_HELP_ABOUT                  40006
#define IDS_APP_TITLE                   1
#define IDS_READY                       2
#define IDS_SAVE_CHANGES                3
