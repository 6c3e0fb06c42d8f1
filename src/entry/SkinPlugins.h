#ifndef SKINPLUGINS_H
#define SKINPLUGINS_H

class QString;

// Loads the first plug-in of the folder whose factory knows the skin and gives
// the result of applying it; true at once when a plug-in of the folder is
// already loaded, false when none knows the skin.
bool loadSkinPlugins(const QString& qsSkin, const QString& qsFolder);

#endif
