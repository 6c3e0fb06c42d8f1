#include "entry/CKesaApplication.h"
#include "entry/StandAlone.h"

int main(int argc, char* argv[])
{
    CKesaApplication app(argc, argv, QStringLiteral("VEX-Vardex"));
    return runStandAlone(app);
}
