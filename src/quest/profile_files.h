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

// Copies the file's bytes to path + "." + tag + "-<n>", n the first number
// not yet used (none when an earlier copy holds the same bytes), and prints
// where and `why`. True when the copy was written or the file is gone
// (nothing left to protect).
bool KeepCopyAside(const std::string& path, const std::string& tag, const std::string& why);
// KeepCopyAside with the tag "bad": a file that could not be read.
bool KeepBadCopy(const std::string& path);

// The last good copy of a saved file: path + ".bak".
std::string BackupPath(const std::string& path);
// Before `path` is replaced: copies it to its backup when it reads well (a
// damaged file never replaces a good backup). False when the copy failed.
bool BackUpBeforeSave(const std::string& path, const std::string& topGroup);
// ReadSavedRcm, falling back to the backup (with a message) when the file is
// missing or unreadable and the backup reads well. `state` is that of the
// file itself.
std::shared_ptr<TRCMFile> ReadWithBackup(const std::string& path, const std::string& topGroup,
                                         SavedFileState& state);
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
