// A platform file reaching into the windows.
#include "forms/main/frmMain.h"
