// The message catalogue: every text the commands show or log, in one place.
// Each message begins with its id; the two record formats are printf formats.
#pragma once

#include <string>

namespace Messages {

inline constexpr char kArgumentsIncorrect[] = "qor0010 The command line arguments are incorrect.";
inline constexpr char kUnexpectedError[] = "qor0011 An unexpected error occurred.";
inline constexpr char kMemoryAllocationFailed[] = "qor0012 A memory allocation failed.";
inline constexpr char kInsufficientPermissions[] =
    "qor0013 This command was unable to run due to insufficient permissions.";
inline constexpr char kCommandStarted[] = "qor0100 Execution of the command started. Parameter=%s";
inline constexpr char kCommandEnded[] = "qor0101 Execution of the command ended. Return code=%d";
inline constexpr char kRecoveryManagerNotInstalled[] =
    "qor0407 VMware Site Recovery Manager is not installed.";
inline constexpr char kModuleNotInstalled[] =
    "qor0410 Aldren Tessavar Manager Vardel Module is not installed.";

// "qor0100 ... Parameter=<text>", however long the text is.
std::string CommandStartedText(const std::string& parameter);
// "qor0101 ... Return code=<code>".
std::string CommandEndedText(int returnCode);

}  // namespace Messages
