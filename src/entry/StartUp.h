#ifndef STARTUP_H
#define STARTUP_H

// What both the plug-in entry and the stand-alone start prepare before the
// window exists.

// Adds the plugins folder below the application directory to the library path.
void addPluginLibraryPath();
// Loads Setup.xml from the application directory; a missing file leaves the
// defaults.
void loadClientConfig();
// Installs the current language property's translators, the tool's first.
void installLanguageTranslators();

#endif
