#include "tests/win32/support/observedcontrol.h"

int ControlCensus::made = 0;
int ControlCensus::gone = 0;
