// The error message box shown by ClassMate.
#include "host/ErrorBox.h"

int ShowErrorBox(const char* message)
{
    MessageBoxA(NULL, message, "An Error Occured!", MB_OK | MB_ICONERROR);
    return 0;
}
