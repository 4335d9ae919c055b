// Program entry: wires the real process (streams, arguments, exit status) to the run.
int main() { return 0; }
