// qormodule: prints the storage module's installation directory or version.
#pragma once

#include "CQorCommon.h"

#include <string>

// One registry lookup of the module; raises CQorException when it fails.
using ModuleLookup = std::string (*)();

int RunQorModule(int argc, char** argv, ModuleLookup pathLookup = &GetVdlPath,
                 ModuleLookup versionLookup = &GetVdlVersion);
