#include "app/developer_mode.h"
#include "app/program.h"

int main(int, char** argv) {
  DeveloperMode = 1;
  return RunProgram(argv[0]);
}
