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
#define IDC_PEN                         106
#define IDB_LOGO                        107
#define IDR_ABOUT_PAGE                  108
#define IDR_LEVEL1                      109
#define IDR_TABLE                       110
#define IDD_SETTINGS                    111
#define IDR_CONTEXT                     112
#define IDC_VERSION_TEXT                1000
#define IDC_HOMEPAGE                    1001
#define IDC_SHOW_TIPS                   1002
#define IDC_VOLUME                      1003
#define IDC_SMALL_ICONS                 1004
#define IDC_LARGE_ICONS                 1005
#define IDC_NAME                        1006
#define IDC_THEME                       1007
#define IDM_FILE_NEW                    40001
#define IDM_FILE_OPEN                   40002
#define IDM_FILE_SAVE                   40003
#define IDM_FILE_EXIT                   40004
#define IDM_VIEW_STATUSBAR              40005
#define IDM_HELP_ABOUT                  40006
#define IDM_EDIT_COPY                   40007
#define IDM_EDIT_PASTE                  40008
#define IDS_APP_TITLE                   1
#define IDS_READY                       2
#define IDS_SAVE_CHANGES                3
