// Careful reading of the files that hold a player's progress: a file that
// exists but cannot be read is copied aside before anything overwrites it.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TRCMFile;

enum class SavedFileState { Missing, Readable, Unreadable };

// Reads an RCM file whose text must hold the top group `topGroup`. A missing
// file gives an empty file and Missing; a file that is empty, fails the
// brace check or lacks that group gives an empty file and Unreadable.
std::shared_ptr<TRCMFile> ReadSavedRcm(const std::string& path, const std::string& topGroup,
                                       SavedFileState& state);

// Copies the file's bytes to path + ".bad-<n>", n the first number not yet
// used, and prints where. True when the copy was written or the file is
// gone (nothing left to protect).
bool KeepBadCopy(const std::string& path);
// The highest n KeepBadCopy tries (10000); tests lower it to see a failing copy.
void SetBadCopyLimit(int n);

// Files found unreadable whose copy could not be made yet are "held": they
// are not overwritten until a copy succeeds.
// Copies an unreadable file aside, or holds it when that fails.
void SetAsideUnreadable(std::vector<std::string>& held, const std::string& path);
// True when `path` may be overwritten: it is not held, or its copy has now
// been made (and it is no longer held).
bool MayOverwrite(std::vector<std::string>& held, const std::string& path);

// Prints a message of the profile code.
void ProfileMessage(const std::string& text);
