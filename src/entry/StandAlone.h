#ifndef STANDALONE_H
#define STANDALONE_H

class CKesaApplication;

// Runs the main window as a program of its own: refuses a second instance and
// a screen below 1024 x 768 (result 0), else shows the window fixed at
// 1024 x 768 and gives the event loop's result.
int runStandAlone(CKesaApplication& app);

#endif
