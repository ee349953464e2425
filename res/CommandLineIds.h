// Resource ids of the command line's texts (res/CommandLine.rc), apart from the window's.
#pragma once

#define IDS_CLI_USAGE 400
#define IDS_CLI_BAD_ARGUMENT 401
#define IDS_CLI_LOG_UNWRITABLE 402
#define IDS_CLI_GUARD_REFUSED 403
