#pragma once

// Identifiers of the resources in tintrel.rc; shared by the resource script and the code.
#define IDI_TINTREL 1
#define IDB_DROPPER 101
