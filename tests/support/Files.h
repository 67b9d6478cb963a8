// Plain file helpers for the tests, on Windows paths.
#pragma once

#include <string>

std::string ReadFileBytes(const std::string& path);  // empty when missing
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
void MakeDirectories(const std::string& path);  // every missing level
void RemoveTree(const std::string& path);        // a folder and all below it
// The folder that holds the running test program (and every program built).
std::string ProgramsDirectory();
std::string JoinPath(const std::string& folder, const std::string& name);
