// Standard command, window and string ids of the framework. The program's
// resource header may define the same ids with the same values.
#pragma once

#ifndef ID_FILE_NEW
#define ID_FILE_NEW 0xE100
#endif
#ifndef ID_FILE_OPEN
#define ID_FILE_OPEN 0xE101
#endif
#ifndef ID_FILE_SAVE
#define ID_FILE_SAVE 0xE103
#endif
#ifndef ID_FILE_SAVE_AS
#define ID_FILE_SAVE_AS 0xE104
#endif
#ifndef ID_FILE_PRINT
#define ID_FILE_PRINT 0xE107
#endif
#ifndef ID_FILE_PRINT_DIRECT
#define ID_FILE_PRINT_DIRECT 0xE108
#endif
#ifndef ID_FILE_PRINT_PREVIEW
#define ID_FILE_PRINT_PREVIEW 0xE109
#endif
#ifndef ID_FILE_MRU_FILE1
#define ID_FILE_MRU_FILE1 0xE110
#endif
#ifndef ID_FILE_MRU_FILE4
#define ID_FILE_MRU_FILE4 0xE113
#endif
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 0xE140
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT 0xE141
#endif
#ifndef ID_HELP_INDEX
#define ID_HELP_INDEX 0xE142
#endif
#ifndef ID_HELP_FINDER
#define ID_HELP_FINDER 0xE143
#endif
#ifndef ID_CONTEXT_HELP
#define ID_CONTEXT_HELP 0xE145
#endif
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
#ifndef ID_DEFAULT_HELP
#define ID_DEFAULT_HELP 0xE147
#endif
#ifndef AFX_IDS_IDLEMESSAGE
#define AFX_IDS_IDLEMESSAGE 0xE001
#endif
#ifndef AFX_IDS_HELPMODEMESSAGE
#define AFX_IDS_HELPMODEMESSAGE 0xE002
#endif
#ifndef ID_NEXT_PANE
#define ID_NEXT_PANE 0xE150
#endif
#ifndef ID_PREV_PANE
#define ID_PREV_PANE 0xE151
#endif
#ifndef AFX_IDW_STATUS_BAR
#define AFX_IDW_STATUS_BAR 0xE801
#endif
#ifndef AFX_IDW_PANE_FIRST
#define AFX_IDW_PANE_FIRST 0xE900
#endif
#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY 0xE122
#endif
#ifndef ID_EDIT_CUT
#define ID_EDIT_CUT 0xE123
#endif
#ifndef ID_EDIT_PASTE
#define ID_EDIT_PASTE 0xE125
#endif
#ifndef ID_EDIT_UNDO
#define ID_EDIT_UNDO 0xE12B
#endif
