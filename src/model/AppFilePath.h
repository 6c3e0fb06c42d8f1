#ifndef APPFILEPATH_H
#define APPFILEPATH_H

#include <QString>

// A relative file name placed in the application directory (the folder of the
// running executable); an absolute name is returned unchanged.
QString appFilePath(const QString& qsFileName);

#endif
