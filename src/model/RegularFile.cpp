#include "model/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool readRegularFile(const QString& qsFileName, QByteArray& content)
{
    // Opening without blocking and asking the open descriptor what it is
    // leaves no gap in which another file could take the name's place.
    const int fd =
        ::open(QFile::encodeName(qsFileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status = {};
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    content = file.readAll();
    return file.error() == QFileDevice::NoError;
}
