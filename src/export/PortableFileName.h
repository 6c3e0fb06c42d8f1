#ifndef PORTABLEFILENAME_H
#define PORTABLEFILENAME_H

#include <QString>

// Whether a text can name a file on every system the program is built for.
// Windows is the strictest: it refuses \ / : * ? " < > | and control
// characters, drops a dot or a space at the end, and keeps the device names
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9) with any extension.
class PortableFileName
{
public:
    enum class Fault
    {
        None,
        Empty,
        ForbiddenCharacter,
        TrailingDotOrSpace,
        DeviceName
    };

    static Fault check(const QString& qsName);
};

#endif
