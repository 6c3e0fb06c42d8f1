#ifndef VARDEXENTRY_H
#define VARDEXENTRY_H

#include <QtGlobal>

class QGridLayout;
class QWidget;

// The plug-in's whole interface, with C linkage.
extern "C" {
Q_DECL_EXPORT bool Vardex_OpenDialog(QWidget* parent, QGridLayout* layout, bool bShowTitleBar);
Q_DECL_EXPORT void Vardex_ChangeSize(bool bFullFrame);
}

using VardexOpenDialogFn = bool (*)(QWidget*, QGridLayout*, bool);
using VardexChangeSizeFn = void (*)(bool);

#endif
