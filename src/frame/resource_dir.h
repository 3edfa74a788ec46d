// Where the resource folder `gameDir` is, wherever the program was started
// from: a folder given on the command line, the share folder beside an
// installed program, or the source tree's game/ for a program in its build
// folder.
#pragma once

#include <string>
#include <vector>

struct ResourceDirSearch {
    std::string given;       // --data-dir, "" when not given (then only it is tried)
    std::string programDir;  // folder of the executable, ending in "/"
    std::string buildDir;    // the build folder this program was made in
    std::string sourceGame;  // the source tree's resource folder
};

// The folders to try, in order.
std::vector<std::string> ResourceDirCandidates(const ResourceDirSearch& search);

// The first file a usable resource folder must hold that `dir` lacks; "" when
// the folder is complete.
std::string MissingResource(const std::string& dir);

// Sets `gameDir` (ending in "/") to the first complete candidate. Without one,
// returns false and puts in `message` every folder looked in and what it lacked.
bool LocateResourceDir(const ResourceDirSearch& search, std::string& message);

// The search for this program: its own folder, and the build and source
// folders it was built from.
ResourceDirSearch ProgramResourceSearch(const std::string& given);
