#ifndef CKESAAPPLICATION_H
#define CKESAAPPLICATION_H

#include <QApplication>

#include <memory>

class QLockFile;

// The application object of the stand-alone program: font, configuration,
// skin, translators, style sheet, icon, and a single instance per
// application name and user.
class CKesaApplication : public QApplication
{
    Q_OBJECT
public:
    CKesaApplication(int& argc, char** argv, const QString& qsAppName);
    ~CKesaApplication() override;

    // True, after telling the user, when another instance runs.
    bool isRunning();
    // False, after telling the user, when the screen is below 1024 x 768.
    bool checkResolution();

private:
    void applyStyleSheets();
    void applyClassFonts();
    void claimSingleInstance(const QString& qsKey);

    std::unique_ptr<QLockFile> m_pInstanceLock;
    bool m_bRunning;
};

#endif
