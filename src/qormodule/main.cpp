#include "MQorModule.h"

int main(int argc, char** argv) { return RunQorModule(argc, argv); }
