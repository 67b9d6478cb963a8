// Where the commands find the software they work with: three lookups of the
// registry, each reading one value afresh and raising CQorException when the
// value cannot be had.
#pragma once

#include <string>

// The recovery manager's InstallPath followed by the adapter's subdirectory;
// it always ends with a backslash.
std::string GetAdapterDir();
// The storage module's installation directory, exactly as stored.
std::string GetVdlPath();
// The storage module's version text, exactly as stored.
std::string GetVdlVersion();
