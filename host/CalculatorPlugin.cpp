#include "CalculatorPlugin.h"

#include <QDir>

bool CalculatorPlugin::load(const QString& qsFolder)
{
    m_library.setFileName(QDir(qsFolder).filePath(QStringLiteral("Vardex")));
    if (!m_library.load()) {
        m_qsError = tr("Cannot load the calculator library from %1: %2")
                        .arg(QDir::toNativeSeparators(qsFolder), m_library.errorString());
        return false;
    }
    m_pOpenDialog = reinterpret_cast<VardexOpenDialogFn>(resolve("Vardex_OpenDialog"));
    m_pChangeSize = reinterpret_cast<VardexChangeSizeFn>(resolve("Vardex_ChangeSize"));
    return m_pOpenDialog && m_pChangeSize;
}

QFunctionPointer CalculatorPlugin::resolve(const char* pszName)
{
    const QFunctionPointer pEntry = m_library.resolve(pszName);
    if (!pEntry && m_qsError.isEmpty()) {
        m_qsError =
            tr("The calculator library %1 has no entry point %2")
                .arg(QDir::toNativeSeparators(m_library.fileName()), QLatin1String(pszName));
    }
    return pEntry;
}
