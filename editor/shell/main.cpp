#include "TovinApp.h"

int main(int argc, char** argv)
{
    CTovinApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    const int result = CTovinApp::exec();
    app.ExitInstance();
    return result;
}
