// The add-in's MFC application object: registers the host with the CDK when
// the DLL is attached.
#pragma once

#include <afxwin.h>

class COlvarenApp : public CWinApp
{
public:
    COlvarenApp();
    virtual BOOL InitInstance();
};

// The single application object (host/Statics.cpp).
extern COlvarenApp theApp;
