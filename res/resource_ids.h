// Numbers of the DLL's resources.
#pragma once

#define IDB_MANAGER_BUTTON 126  // tool bar button, 20 x 20, 16 colours
