// qorprobe: lists the devices of one storage system by starting the adapter's
// device listing class.
#pragma once

#include "AdapterLaunch.h"
#include "CommandFrame.h"

#include <string>

// Starts the device listing class for one storage system; the class's exit code.
int LaunchAdapterClass(const std::string& address, CommandRunner run = &RunThroughInterpreter);

int RunQorProbe(int argc, char** argv, RightsCheck rightsCheck = &CheckAdminRights);
