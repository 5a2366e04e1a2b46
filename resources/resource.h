// Resource ids of Almanark, grouped by template. The numbers are fixed:
// documents, the registry (icon indexes) and the code address them by value.
// Plain #defines only, so that windres and C++ both read this file.
#ifndef ALMANARK_RESOURCE_H
#define ALMANARK_RESOURCE_H

#define IDC_STATIC (-1)

// Resource type of a dialog's initialisation data: records of
// (WORD control id, WORD message, DWORD byte count, bytes), ended by a WORD 0;
// the framework sends each message with the bytes as lParam when the dialog
// is initialised.
#ifndef RT_DLGINIT
#define RT_DLGINIT 240
#endif

// ---------------------------------------------------------------------------
// Main frame: menu, accelerators, document string and icon share this id.
#define IDR_MAINFRAME 128

// Icons, in the order of their indexes in the module (0, 1, 2).
#define IDI_DOCUMENT 129  // calendar documents (.kal)
#define IDI_EVENTFILE 139 // event files (.evn)

// Commands of the framework (standard numbers).
#define ID_FILE_NEW 0xE100           // 57600
#define ID_FILE_OPEN 0xE101          // 57601
#define ID_FILE_SAVE 0xE103          // 57603
#define ID_FILE_SAVE_AS 0xE104       // 57604
#define ID_FILE_PRINT 0xE107         // 57607
#define ID_FILE_PRINT_PREVIEW 0xE109 // 57609
#define ID_FILE_MRU_FILE1 0xE110     // 57616, the "Recent File" placeholder
#define ID_FILE_MRU_FILE2 0xE111
#define ID_FILE_MRU_FILE3 0xE112
#define ID_FILE_MRU_FILE4 0xE113
#define ID_EDIT_COPY 0xE122    // 57634
#define ID_EDIT_CUT 0xE123     // 57635
#define ID_EDIT_PASTE 0xE125   // 57637
#define ID_EDIT_UNDO 0xE12B    // 57643
#define ID_APP_ABOUT 0xE140    // 57664
#define ID_APP_EXIT 0xE141     // 57665
#define ID_HELP_FINDER 0xE143  // 57667, "Help Topics"
#define ID_CONTEXT_HELP 0xE145 // 57669, Shift+F1
#define ID_HELP 0xE146         // 57670, F1
#define ID_DEFAULT_HELP 0xE147 // 57671
#define ID_NEXT_PANE 0xE150    // 57680, F6
#define ID_PREV_PANE 0xE151    // 57681, Shift+F6

// The program's own command.
#define ID_FILE_PRINT_SETUP 32772

// Status bar: the framework's bar id and its indicator panes.
#define AFX_IDW_STATUS_BAR 0xE801
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 0xE701
#define ID_INDICATOR_NUM 0xE702
#define ID_INDICATOR_SCRL 0xE703

// Framework strings.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001     // "Ready"
#define AFX_IDS_HELPMODEMESSAGE 0xE002 // shown in Shift+F1 help mode
#define AFX_IDS_UNTITLED 0xE006        // title of a document without a name
#define AFX_IDS_ALLFILTER 0xE009       // filter added to the open dialog
// System-menu prompts: AFX_IDS_SCFIRST + (SC_xxx - 0xF000) / 16.
#define AFX_IDS_SCFIRST 0xEF00
#define AFX_IDS_SCSIZE 0xEF00
#define AFX_IDS_SCMOVE 0xEF01
#define AFX_IDS_SCMINIMIZE 0xEF02
#define AFX_IDS_SCMAXIMIZE 0xEF03
#define AFX_IDS_SCCLOSE 0xEF06
#define AFX_IDS_SCRESTORE 0xEF12
// Framework messages.
#define AFX_IDP_FAILED_TO_OPEN_DOC 0xF101
#define AFX_IDP_FAILED_TO_SAVE_DOC 0xF102
#define AFX_IDP_ASK_TO_SAVE 0xF103 // "%1" is the document's title
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF104
#define AFX_IDP_FAILED_TO_LAUNCH_HELP 0xF107
#define AFX_IDP_FAILED_INVALID_FORMAT 0xF120
#define AFX_IDP_FILE_NOT_FOUND 0xF121 // "%1" is the path
#define AFX_IDP_FAILED_DISK_FULL 0xF122

// ---------------------------------------------------------------------------
// Dialog 100: About box.
#define IDD_ABOUTBOX 100

// ---------------------------------------------------------------------------
// Dialog 103: the control panel bar (also its bar id).
#define IDD_PANELBAR 103
#define IDC_PANEL_TABS 1000 // tabs "Calendar", "Style", "Image", "Events"

// ---------------------------------------------------------------------------
// Dialog 130: Calendar page.
#define IDD_CALENDAR_PAGE 130
#define IDC_MONTH 1001       // month list, filled from RT_DLGINIT 130
#define IDC_YEAR 1003        // year list, 1970..2037
#define IDC_NOTE 1004        // note of the selected day box
#define IDC_DAY_SWAP 1005    // "Right" / "Left"
#define IDC_NOTE_ENTER 1006  // "Enter"
#define IDC_DOC_KIND 1007    // "Year" / "Month"
#define IDC_ORIENTATION 1008 // "Portrait" / "Landscape"
#define IDC_CAL_FULL_WIDTH 1009
#define IDC_CAL_FULL_HEIGHT 1010
#define IDC_CAL_HALF_WIDTH 1011
#define IDC_CAL_HALF_HEIGHT 1012
#define IDC_ARRANGE_GROUP 1052
#define IDC_ARRANGE_3X4 1053
#define IDC_ARRANGE_4X3 1054
#define IDC_ARRANGE_2X6 1055
#define IDC_ARRANGE_6X2 1056
#define IDC_DAY_NUMBERS_LABEL 1082
#define IDC_DAY_NOTES_GROUP 1083
#define IDC_NOTE_CANCEL 1089 // "Cancel"
#define IDC_FULL_TEXT 1091   // tall read-only pop-up over the note

// ---------------------------------------------------------------------------
// Dialog 132: Style page.
#define IDD_STYLE_PAGE 132
#define IDC_WEEKDAY_FONT 1002
#define IDC_WEEKDAY_GROUP 1014 // "Days of the Week" / "Months"
#define IDC_NOTES_GROUP 1015   // "Day Notes" / "Days"
#define IDC_TITLE_GROUP 1016
#define IDC_DATE_GROUP 1017 // "Month and Year" / "Year and Month" / "Year"
#define IDC_NOTES_FONT 1018
#define IDC_NOTES_LARGE 1019
#define IDC_TITLE 1020
#define IDC_TITLE_FONT 1021
#define IDC_TITLE_LARGE 1022
#define IDC_DATE_LEFT 1023
#define IDC_DATE_RIGHT 1024
#define IDC_DATE_CENTER 1025
#define IDC_DATE_SPLIT 1026
#define IDC_DATE_SWAP 1027
#define IDC_DATE_FONT 1028
#define IDC_DATE_LARGE 1029

// ---------------------------------------------------------------------------
// Dialog 133: Image page.
#define IDD_IMAGE_PAGE 133
#define IDC_IMAGE_SHOWS_THROUGH 1013
#define IDC_IMAGE_NEW 1030
#define IDC_IMAGE_FILE 1031 // file name or "no image loaded"
#define IDC_IMG_FULL_WIDTH 1032
#define IDC_IMG_FILL_WIDTH 1033
#define IDC_IMG_CENTER_H 1034
#define IDC_IMG_FULL_HEIGHT 1035
#define IDC_IMG_FILL_HEIGHT 1036
#define IDC_IMG_CENTER_V 1037
#define IDC_IMAGE_DELETE 1090

// ---------------------------------------------------------------------------
// Dialog 134: Events page.
#define IDD_EVENTS_PAGE 134
#define IDC_EVENT_FILE 1038  // event file names
#define IDC_FILE_BUTTON 1039 // "Delete" / "Load" / "Save"
#define IDC_DATE_LIST 1040
#define IDC_INSERT_DATE 1041
#define IDC_REMOVE_DATE 1042
#define IDC_SORT_LIST 1094 // hidden, sorts the date lines

// ---------------------------------------------------------------------------
// Dialog 135: Insert Date.
#define IDD_INSERT_DATE 135
#define IDC_DATE_TABS 1043 // "Specific Date", "Calculated Date", "Holidays"
#define IDC_CAPTION 1044
#define IDC_APPLY 1045
#define IDC_HEADING 1046

// Dialog 136: Specific Date page.
#define IDD_SPECIFIC_DATE 136
#define IDC_SPEC_MONTH 1047
#define IDC_SPEC_DAY 1048
#define IDC_SPEC_YEAR 1049
#define IDC_TODAY 1050
#define IDC_ANNUAL 1051

// Dialog 137: Calculated Date page; three radio groups.
#define IDD_CALCULATED_DATE 137
#define IDC_ORD_1ST 1057
#define IDC_ORD_2ND 1058
#define IDC_ORD_3RD 1059
#define IDC_ORD_4TH 1060
#define IDC_ORD_LAST 1061
#define IDC_WD_MONDAY 1062
#define IDC_WD_TUESDAY 1063
#define IDC_WD_WEDNESDAY 1064
#define IDC_WD_THURSDAY 1065
#define IDC_WD_FRIDAY 1066
#define IDC_WD_SATURDAY 1067
#define IDC_WD_SUNDAY 1068
#define IDC_CM_JANUARY 1069
#define IDC_CM_FEBRUARY 1070
#define IDC_CM_MARCH 1071
#define IDC_CM_APRIL 1072
#define IDC_CM_MAY 1073
#define IDC_CM_JUNE 1074
#define IDC_CM_JULY 1075
#define IDC_CM_AUGUST 1076
#define IDC_CM_SEPTEMBER 1077
#define IDC_CM_OCTOBER 1078
#define IDC_CM_NOVEMBER 1079
#define IDC_CM_DECEMBER 1080

// Dialog 138: Holidays page.
#define IDD_HOLIDAYS 138
#define IDC_HOLIDAY_LIST 1081

// ---------------------------------------------------------------------------
// Font dialog: the system's own template; the program hides its size choice.
#define IDC_FONT_SIZE_LABEL 1090 // stc3
#define IDC_FONT_SIZE_LIST 1138  // cmb3

// ---------------------------------------------------------------------------
// Dialog 140: the help window; its topics are the text resource 141.
#define IDD_HELP 140
#define IDC_HELP_TEXT 1100     // the topic's text
#define IDC_HELP_CONTENTS 1101 // the list of topics
#define IDC_HELP_TITLE 1102    // the topic's title
#define IDR_HELPTEXT 141

// Help contexts of the topics that explain no dialog (a page or dialog is
// explained by the topic whose context is its template id).
#define IDH_GETTING_STARTED 1
#define IDH_CALENDAR_VIEW 2
#define IDH_PRINTING 3
#define IDH_FILES 4
#define IDH_SETTINGS 5
#define IDH_KEYBOARD 6

// ---------------------------------------------------------------------------
// Commands beyond the first release, each with its status prompt (a string
// of the same id) and a help topic.
#define ID_TOOLS_OPTIONS 32773      // Tools > Options...
#define ID_FILE_IMPORT_EVENTS 32774 // File > Import Events...
#define ID_FILE_PRINT_SEVERAL 32775 // File > Print Several...
#define ID_FILE_SAVE_PICTURE 32776  // File > Save as Picture...

// Options dialog: 1110-1119.
#define IDD_OPTIONS 142
#define IDC_FIRST_WEEKDAY 1110 // drop-down list, Sunday .. Saturday
#define IDC_WEEK_NUMBERS 1111  // check box
#define IDC_NAMES_ENGLISH 1112 // radio button
#define IDC_NAMES_LOCAL 1113   // radio button
// Date pages' additions (holiday sets, Easter offsets, ages): 1120-1129.
#define IDC_EASTER 1123           // Calculated Date: days counted from "Easter"
#define IDC_ORTHODOX_EASTER 1124  // or from "Orthodox Easter"
#define IDC_EASTER_DAYS 1125      // how many: negative before, positive after
#define IDC_EASTER_DAYS_SPIN 1126 // its arrows
#define IDC_YEARS_SINCE 1127      // Specific Date: "Show years since"
#define IDC_SINCE_YEAR 1128       // the year they are counted from
// Printing additions (page range, picture export): 1140-1149.
#define IDD_SAVE_PICTURE 143

#endif
