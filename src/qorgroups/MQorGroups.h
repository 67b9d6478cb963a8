// qorgroups: queries, adds, changes and removes the adapter's copy groups by
// starting its copy-group class.
#pragma once

#include "AdapterLaunch.h"
#include "CommandFrame.h"
#include "CopyGroupArguments.h"

// Starts the copy-group class for one request; the class's exit code.
int LaunchAdapterClass(const CopyGroupRequest& request, CommandRunner run = &RunThroughInterpreter);

// The whole command, in its frame. The rights check is a parameter so that a
// refusing check can be tried.
int RunQorGroups(int argc, char** argv, RightsCheck rightsCheck = &CheckAdminRights);
