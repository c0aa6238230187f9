// The program's entry on systems whose programs start at main.
#include "program.hpp"

int main(int argc, char** argv) { return gloam::runProgram(argc, argv); }
