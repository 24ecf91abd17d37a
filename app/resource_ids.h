#pragma once

// Identifiers of the resources in tintrel.rc; shared by the resource script and the code.
#define IDB_DROPPER 101
#define IDB_DROPPER150 102
#define IDB_DROPPER200 103
