#pragma once

// Identifiers of the resources in tintrel.rc; shared by the resource script and the code.
#define IDB_DROPPER 101
