// Where the built Varnel.exe is, as a Windows path.
#pragma once

#include <string>

// The build hands over a Unix path; Wine shows the Unix root as drive Z:.
inline std::string ProgramPath()
{
    std::string path = "Z:" + std::string(VARNEL_EXE);
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}
