#ifndef TINTAVO_RESOURCE_IDS_H
#define TINTAVO_RESOURCE_IDS_H

// Resource ids shared by tintavo.rc and the program. Plain #defines, so that the resource
// compiler can read them.
#define IDI_TINTAVO 1
#define IDB_BANNER 101

#endif
