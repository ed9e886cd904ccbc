#pragma once
#include <QString>

// Applies the long options held as keys of the group "CLI" of a profile
// file, in file order, so later keys win. Keys are option names with their
// leading "--"; names that are no option of a profile are ignored. False,
// with nothing changed, for an empty name or a file that cannot be opened;
// true otherwise, also when the file has no group "CLI".
bool ApplyProfile(const QString& path);
