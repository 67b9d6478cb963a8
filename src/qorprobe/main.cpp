#include "MQorProbe.h"

int main(int argc, char** argv) { return RunQorProbe(argc, argv); }
