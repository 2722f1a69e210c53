#include "driver/common.h"

int main(int argc, char **argv) { return RunCompiler(argc, argv); }
