#include "ParameterText.h"

std::string BuildParameterText(int argc, char** argv) {
    std::string text;
    for (int index = 0; index < argc && text.size() < kParameterTextLimit; ++index) {
        text.append(argv[index]);
        text.push_back(' ');
    }
    if (text.size() > kParameterTextLimit) text.resize(kParameterTextLimit);
    return text;
}
