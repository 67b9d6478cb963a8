// qormodule where the memory runs out during either lookup.
#include "MQorModule.h"

#include <new>

namespace {

std::string ExhaustMemory() { throw std::bad_alloc(); }

}  // namespace

int main(int argc, char** argv) { return RunQorModule(argc, argv, &ExhaustMemory, &ExhaustMemory); }
