#ifndef USERMANUAL_H
#define USERMANUAL_H

// Opens the user manual, looked for in the current directory under its
// English or (with the Chinese interface) Chinese name. False when the file is
// not there or nothing could open it.
bool openUserManual();

#endif
