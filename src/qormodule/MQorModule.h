// qormodule: prints the storage module's installation directory or version.
#pragma once

int RunQorModule(int argc, char** argv);
