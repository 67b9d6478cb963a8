#include "MQorGroups.h"

int main(int argc, char** argv) { return RunQorGroups(argc, argv); }
