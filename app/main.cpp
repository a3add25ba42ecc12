// Brevant Dira — the windowed program.
#include "app/run_program.h"

int main(int argc, char* argv[]) {
    return brevant::RunProgram(argc, argv);
}
