// The text the start record shows: every argument, argument 0 included, each
// followed by one blank, cut to its first 1800 characters.
#pragma once

#include <string>

inline constexpr size_t kParameterTextLimit = 1800;

std::string BuildParameterText(int argc, char** argv);
