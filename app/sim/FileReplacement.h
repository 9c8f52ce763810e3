// Writing a file that a person or another program may be reading, in one step. The contents
// go to a new file of a unique name beside the target (created exclusively, so never through a
// link someone planted), are flushed to the disk, and the new file is renamed over the target:
// a reader sees the old file or the new one, and a full disk or a crash leaves the old one.
// A symbolic link named is kept and the file it points to is written; a target that exists
// and is not a regular file (a folder, a device) is refused.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <sys/types.h>

// A file name the command line or a script gave: not empty, no NUL byte. Empty when it is
// usable, else why not.
std::string UnusableFileName(const std::string& name);

// The file a name leads to through any symbolic links, also when the last link leads to a
// file that does not exist yet; the name itself when it is no link.
std::string FileBehindLinks(const std::string& name);

// What a file any program creates gets: 0666 less the user's umask.
mode_t ModeOfNewFiles();

struct Replacement {
    // Writes the contents; false when it could not.
    std::function<bool(std::FILE*)> write;
    // The mode a new file gets; a file replaced keeps its own.
    mode_t newMode;
};

// Empty on success, else what went wrong, naming the file.
std::string ReplaceFile(const std::string& name, const Replacement& replacement);
