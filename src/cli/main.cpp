// tarniq-cli: scripted design and analysis of pyramidal horns.
#include "command_line.hpp"

int main(int argc, char** argv) { return tarniq::cli::run_command_line(argc, argv); }
