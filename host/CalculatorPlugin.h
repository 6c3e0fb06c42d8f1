#ifndef CALCULATORPLUGIN_H
#define CALCULATORPLUGIN_H

#include "entry/VardexEntry.h"

#include <QCoreApplication>
#include <QLibrary>

// The calculator library, loaded at run time from a folder, with its two
// entry points resolved.
class CalculatorPlugin
{
    Q_DECLARE_TR_FUNCTIONS(CalculatorPlugin)
public:
    // Loads the library "Vardex" from the folder and resolves both entry
    // points; on failure errorString() says what is missing.
    bool load(const QString& qsFolder);
    QString errorString() const { return m_qsError; }

    VardexOpenDialogFn openDialog() const { return m_pOpenDialog; }
    VardexChangeSizeFn changeSize() const { return m_pChangeSize; }

private:
    QFunctionPointer resolve(const char* pszName);

    QLibrary m_library;
    QString m_qsError;
    VardexOpenDialogFn m_pOpenDialog = nullptr;
    VardexChangeSizeFn m_pChangeSize = nullptr;
};

#endif
