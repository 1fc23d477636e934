// Numbers of the DLL's resources and of the controls in its dialogs. Read by
// the resource compiler and by the C++ code alike: plain #defines only.
#pragma once

// Dialog templates.
#define IDD_PROJECTS_PAGE 111  // "Quendle": the project list over the file list
#define IDD_PROJECT_NAME 114   // the name of a new or renamed project
#define IDD_ABOUT_PAGE 103     // "About"

// Bitmaps.
#define IDB_CLOSED_FOLDER 121   // project list entry, 19 x 17, 8 bits per pixel
#define IDB_OPEN_FOLDER 124     // the current project's entry, same size
#define IDB_MANAGER_BUTTON 126  // tool bar button, 20 x 20, 16 colours

// Icons (a separate numbering from the bitmaps: icon 126 is not bitmap 126).
#define IDI_PDF_FILE 113         // file list row
#define IDI_ACTIVE_PDF_FILE 114  // the row of the project's active file
#define IDI_PROJECTS 115         // projects page decoration
#define IDI_ABOUT 116            // About page decoration
#define IDI_SORT_UP 125
#define IDI_SORT_DOWN 126

// Cursor.
#define IDC_LINK_HAND 105  // over a link: a pointing hand, hot spot 1, 1

// Projects page (template 111).
#define IDC_NEW_PROJECT 1024
#define IDC_FILE_LIST 1025
#define IDC_LOAD_PROJECT 1026
#define IDC_DELETE_PROJECT 1027
#define IDC_ADD_FILES 1028
#define IDC_COPY_PROJECT 1029
#define IDC_PASTE_PROJECT 1030
#define IDC_CUT_PROJECT 1031
#define IDC_PROJECT_LIST 1032
#define IDC_CUT_FILES 1033
#define IDC_PASTE_FILES 1039
#define IDC_COPY_FILES 1040
#define IDC_OPEN_FILES 1041
#define IDC_DELETE_FILES 1042
#define IDC_PROJECT_COUNT 1044

// Project name dialog (template 114).
#define IDC_PROJECT_NAME 1040

// About page (template 103): the three links.
#define IDC_SUPPORT_LINK 1012
#define IDC_IDEAS_LINK 1013
#define IDC_HOME_PAGE_LINK 1016

// The addresses the About page shows; its links open them. Example names
// (example.com is reserved for examples): the real server and mailboxes go
// here.
#define VELLORA_HOME_PAGE "http://www.example.com/vellora/index.htm"
#define VELLORA_SUPPORT_ADDRESS "support@example.com"
#define VELLORA_IDEAS_ADDRESS "ideas@example.com"
// What the links open: the home page's folder on the same server, and a mail
// to each address with its subject.
#define VELLORA_HOME_PAGE_TARGET "http://www.example.com/vellora"
#define VELLORA_SUPPORT_TARGET "mailto:" VELLORA_SUPPORT_ADDRESS "?subject=[Vellora Support] your title add here"
#define VELLORA_IDEAS_TARGET "mailto:" VELLORA_IDEAS_ADDRESS "?subject=[Vellora Ideas] your title add here"
