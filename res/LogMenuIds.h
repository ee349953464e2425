// Resource ids of the log's context menu and of saving the log (res/LogMenu.rc).
#pragma once

#define IDS_MENU_COPY 420
#define IDS_MENU_SELECT_ALL 421
#define IDS_MENU_SAVE_LOG 422
#define IDS_MENU_OPEN_FOLDER 423
#define IDS_SAVE_LOG_FILTER 424
#define IDS_SAVE_LOG_NAME 425
#define IDS_SAVE_LOG_FAILED 426

// The menu's commands.
#define ID_LOG_COPY 0x8001
#define ID_LOG_SELECT_ALL 0x8002
#define ID_LOG_SAVE 0x8003
#define ID_LOG_OPEN_FOLDER 0x8004
