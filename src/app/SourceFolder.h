// The SourceFolder: the folder of the running setup program, ending in a
// backslash, where "setup.ini" and the disc's files are looked for.
#pragma once

#include <stddef.h>

const size_t kPathCapacity = 260;  // MAX_PATH: the program's path buffers

// Derives the folder from the program's first argument (its path as started),
// the current directory and the running program file's full path.
//
// A path with a drive letter keeps its folder ("E:\Drivers\Setup.exe" gives
// "E:\Drivers\"); a path rooted without a drive gets the current directory's
// drive ("\Audio\Setup.exe" in "C:\Temp" gives "C:\Audio\"); a relative one
// stays drive-relative ("Audio\Setup.exe" gives "C:Audio\", which the system
// resolves against drive C's current directory). Where that rule has no
// sound answer, the folder of the running program file is used instead: a UNC
// path, a bare program name (no backslash), a path whose only backslash is
// its first character, and a current directory without a drive letter.
//
// Writes at most kPathCapacity characters with the terminator into out.
// Returns false, with out empty, when the folder does not fit: the caller
// must then find another form (the short path) rather than cut the path.
bool DeriveSourceFolder(const char* programArgument, const char* currentDirectory,
                        const char* programFile, char* out);

// The folder of a full file path with a trailing backslash ("C:\A\b.exe"
// gives "C:\A\"); false, out empty, when there is no backslash or it does not fit.
bool FolderOfFile(const char* filePath, char* out, size_t capacity);
