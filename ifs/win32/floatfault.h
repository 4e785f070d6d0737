#pragma once

// Installs, once, a first-chance filter that turns floating-point faults
// into their masked results: the faulting instruction runs again with every
// floating-point exception masked. Other faults pass on untouched.
void InstallFloatFaultFilter();
