// Which chosen folders a deleting run asks about first.
#include "engine/FolderGuard.h"

#include "tests/support/WideText.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderGuard, DriveRootsAndTheSystemsFoldersAreGuarded)
{
    const std::vector<SystemFolder> system = {
        {_T("C:\\Windows"), GuardReach::Inside},      {_T("C:\\Program Files"), GuardReach::Inside},
        {_T("C:\\ProgramData"), GuardReach::Inside},  {_T("C:\\Users"), GuardReach::ProfileRoots},
        {_T("D:\\Profiles\\me"), GuardReach::Itself},
    };
    struct Row {
        const WCHAR* folder;
        const WCHAR* found;
    } const rows[] = {
        {_T("C:\\"), _T("C:\\")},
        {_T("D:\\"), _T("D:\\")},
        {_T("\\\\server\\share"), _T("\\\\server\\share")},
        {_T("\\\\server\\share\\"), _T("\\\\server\\share\\")},
        {_T("\\\\server\\share\\projects"), _T("")},
        {_T("C:\\windows"), _T("C:\\Windows")},
        {_T("C:\\Windows\\Temp"), _T("C:\\Windows")},
        {_T("C:\\Windows\\"), _T("C:\\Windows")},
        {_T("C:\\WindowsApps"), _T("")},
        {_T("C:\\Program Files\\Tool\\logs"), _T("C:\\Program Files")},
        {_T("C:\\Program Files (x86)"), _T("")},
        {_T("C:\\ProgramData\\cache"), _T("C:\\ProgramData")},
        {_T("C:\\Users"), _T("C:\\Users")},
        {_T("C:\\Users\\someone"), _T("C:\\Users\\someone")},
        {_T("C:\\Users\\someone\\projects"), _T("")},
        {_T("D:\\Profiles"), _T("D:\\Profiles\\me")},
        {_T("D:\\Profiles\\me"), _T("D:\\Profiles\\me")},
        {_T("D:\\Profiles\\me\\src"), _T("")},
        {_T("D:\\Profiles\\other"), _T("")},
        {_T("E:\\work\\build"), _T("")},
        {_T(""), _T("")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Text(row.found), GuardedFolder(row.folder, system)) << Shown(row.folder);
}

}  // namespace
