// A calculator library that exports only one of its two entry points, for
// the host's refusal of an incomplete library.
#include <QtGlobal>

class QGridLayout;
class QWidget;

extern "C" Q_DECL_EXPORT bool Vardex_OpenDialog(QWidget*, QGridLayout*, bool)
{
    return false;
}
