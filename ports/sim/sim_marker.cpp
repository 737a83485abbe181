// Tells the program that the port library beside it is the simulated board,
// which needs no port looked up: the real library has no such export.
extern "C" __declspec(dllexport) int SimulatedBoard() { return 1; }
