/* The artwork's resource ids, shared by the resource script and the code. */
#ifndef MORVANE_ASSETS_RESOURCE_IDS_H
#define MORVANE_ASSETS_RESOURCE_IDS_H

#define IDI_APPLICATION_ICON 1
#define IDR_TIME_IS_UP_BADGE 2  /* an icon file, linked as data */
/* The pictures, each linked as PNG files at every scale: PNG_<id>_<percent>. */
#define IDB_BACKGROUND 101
#define IDB_HELP_PICTURE 102
#define IDB_EXIT_PICTURE 103
#define IDB_ABOUT_PICTURE 104

#endif
