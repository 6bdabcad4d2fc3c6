#include "app/program.h"

int main(int, char** argv) { return RunProgram(argv[0]); }
