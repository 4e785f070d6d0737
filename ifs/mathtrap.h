#pragma once

// Keeps arithmetic faults from ending the program or showing a message:
// floating-point faults are swallowed and the computation goes on with the
// masked result (an infinity or not-a-number, which the engine clamps or
// skips); mathematics-library errors are reported as handled, so the library
// prints nothing. Integer division by zero is not absorbed. Call once, first.
void InstallMathTrap();
