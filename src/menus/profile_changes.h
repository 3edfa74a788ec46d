// The profile manager's changes reach the disk at once: a new profile gets
// its folder, a renamed one moves to the folder of its new id, a deleted one
// has its folder set aside. Each step is ordered so that a crash half-way
// leaves the list naming a folder that holds the whole profile.
#pragma once

#include <memory>
#include <string>

class TProfile;

// A new current profile with that name, saved with the list; null when the
// list is full or the name is empty.
std::shared_ptr<TProfile> CreateProfileNamed(const std::string& name);
// Renames the current profile: it is saved into the folder of its new id and
// the list names that folder; only then does the old folder go (files the
// save did not write, such as backups, move along). False when the new
// folder could not be written (the old one then stays as it was).
bool RenameCurrentProfile(const std::string& name);
// Removes the current profile from the list (the first one left becomes
// current), saves the list, then sets the profile's folder aside with
// KeepDeletedProfileFolder. Refused (false) for the last profile.
bool DeleteCurrentProfile();
// Renames a deleted profile's folder to "<id>.deleted-<n>" (n the first free
// number): the player's files stay on disk, but no list nor rebuild of the
// list reads them again. The new path; "" when there was nothing to keep or
// the rename failed.
std::string KeepDeletedProfileFolder(const std::string& id);
// Deletes a renamed profile's old folder, whose files have moved on: it is
// first renamed out of the way, so that a crash half-way never leaves a
// damaged profile behind.
bool DeleteProfileFolder(const std::string& id);
