.head 0 +  Application Description: Olvaren jump sample
Names for CodeJumper to find from the inside out: locals that hide globals,
window scopes with object classes and their bases, dotted names through
objects, windows and window handles, and names only the application knows.
.head 1 -  Outline Version - 4.0.28
.head 1 +  Libraries
.head 2 -  File Include: Olvaren_Lib.apl
.head 1 +  Global Declarations
.head 2 +  Constants
.head 3 -  System
.head 3 +  User
.head 4 -  Number: MAX_ITEMS = 100
.head 3 -  Enumerations
.head 2 +  Variables
.head 3 -  Number: nCount
.head 3 -  String: sStatus
.head 3 -  Window Handle: hWndMain
.head 3 -  FunctionalVar: oCounter
.head 4 -  Class: fcCounter
.head 2 +  Internal Functions
.head 3 +  Function: Tally
.head 4 -  Description: its local nCount hides the global one
.head 4 -  Returns
.head 4 +  Parameters
.head 5 -  Number: pnStep
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nCount
.head 4 +  Actions
.head 5 -  Set nCount = nCount + pnStep
.head 5 -  Set sStatus = 'tallied'
.head 5 -  Call oCounter.Increment( pnStep )
.head 5 -  Set oCounter.nId = MAX_ITEMS
.head 5 -  Call SalShowWindow( frmOrders )
.head 5 -  Set frmOrders.dfTotal = nCount
.head 5 -  Return frmOrders.nOrders
.head 2 +  Class Definitions
.head 3 +  Functional Class: fcCounter
.head 4 -  Description: counts; its base fcObject is a library class
.head 4 +  Derived From
.head 5 -  Class: fcObject
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: nValue
.head 4 +  Functions
.head 5 +  Function: Increment
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnBy
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set nValue = nValue + pnBy
.head 7 -  Call Init( 'counter' )
.head 3 +  Form Window Class: frmcOrders
.head 4 -  Property Template:
.head 4 -  Description: the orders form: a counter of its own, the base form's dirty flag
.head 4 +  Derived From
.head 5 -  Class: frmcBase
.head 4 -  Contents
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  FunctionalVar: oTotal
.head 6 -  Class: fcCounter
.head 4 -  Functions
.head 4 -  Message Actions
.head 2 +  Application Actions
.head 3 +  On SAM_AppStartup
.head 4 -  Set hWndMain = SalCreateWindow( frmOrders, hWndNULL )
.head 4 -  Call oLog.Log( LOG_Info, 'no oLog outside a form' )
.head 1 +  Form Window: frmOrders
.head 2 -  Class: frmcOrders
.head 2 -  Property Template:
.head 2 -  Description:
.head 2 +  Contents
.head 3 +  Data Field: dfTotal
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 +  Message Actions
.head 5 +  On SAM_Create
.head 6 -  Set dfTotal = oTotal.nValue
.head 6 -  Call SetDirty( TRUE )
.head 6 -  Set nOrders = nCount
.head 3 +  Pushbutton: pbCount
.head 4 -  Class: pbcBase
.head 4 -  Property Template:
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  Set nClicks = nClicks + 1
.head 6 -  Set hWndForm.dfTotal = oTotal.nId
.head 6 -  Call oLog.Log( LOG_Info, frmOrders.dfTotal )
.head 2 +  Window Variables
.head 3 -  Number: nOrders
.head 2 +  Message Actions
.head 3 +  On SAM_Create
.head 4 -  Call oTotal.Init( 'orders' )
.head 4 -  Set hWndMain.dfTotal = hWndMain.nCount
