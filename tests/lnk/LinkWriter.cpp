// Writes one shortcut with the setup program's shell-folder object, as "create program items" does, so that
// check-lnk.sh can read it with a reader that shares no code with the Windows link object.
// Usage: LinkWriter.exe FOLDER NAME TARGET ARGUMENTS WORKING-DIR   (writes FOLDER\NAME.lnk; 0 when written)
#include "services/ComLibrary.h"
#include "services/MVesk_Shell.h"

#include <windows.h>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: LinkWriter.exe FOLDER NAME TARGET ARGUMENTS WORKING-DIR\n");
        return 2;
    }
    const ComLibrary com;
    try {
        TVesk_Shell shell;
        shell.SelectLinkDir(argv[1], "");
        shell.SetWorkingDir(argv[5]);
        shell.CreateShortcut(argv[2], argv[3], argv[4]);
        const std::string file = shell.LinkDir + argv[2] + ".lnk";
        if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::fprintf(stderr, "no shortcut written: %s\n", file.c_str());
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return 1;
    }
    return 0;
}
