#ifndef URLRECORDER_H
#define URLRECORDER_H

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

// Takes the file URLs that would go to the desktop's viewer, while it lives.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    // Writes a small PDF for the viewer to be offered.
    static bool touch(const QString& qsPath)
    {
        QFile file(qsPath);
        return file.open(QIODevice::WriteOnly) && file.write("%PDF-1.4\n") > 0;
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};

#endif
