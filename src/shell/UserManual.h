#ifndef USERMANUAL_H
#define USERMANUAL_H

#include <QCoreApplication>
#include <QString>

class QWidget;

// The user manual, a PDF in the current directory under its English or (with
// the Chinese interface) Chinese name, opened with the desktop's viewer.
class UserManual
{
    Q_DECLARE_TR_FUNCTIONS(UserManual)
public:
    enum Opening
    {
        Opened,
        Missing,
        NoViewer
    };

    static QString path();
    static Opening open();
    // Opens the manual; when that fails, tells the user why in an information
    // box on the parent.
    static void openOrExplain(QWidget* pParent);
};

#endif
