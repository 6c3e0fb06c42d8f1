#ifndef REGULARFILE_H
#define REGULARFILE_H

#include <QByteArray>
#include <QString>

// Reads the whole file when it is a regular file (or a link to one). A FIFO,
// a device or a folder of that name counts as unreadable, so that reading
// never waits for a writer that does not come.
bool readRegularFile(const QString& qsFileName, QByteArray& content);

#endif
