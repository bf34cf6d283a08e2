.head 0 +  Application Description: Olvaren sample library
Base classes shared by the Olvaren sample application:
a root object, a serialisable object, a logger and two window classes.
.head 1 -  Outline Version - 4.0.28
.head 1 +  Design-time Settings
.head 2 -  Outline Window State: Normal
.head 2 +  Outline Window Location and Size
.head 3 -  Left: 0.0"
.head 3 -  Top: 0.0"
.head 3 -  Width:  8.0"
.head 3 -  Height: 5.0"
.head 2 -  Fully Qualified External References? Yes
.head 2 -  Reject Multiple Window Instances? No
.head 2 -  Enable Runtime Checks Of External References? Yes
.head 2 -  Use Release 4.0 Scope Rules? No
.head 1 +  Libraries
.head 1 +  Global Declarations
.head 2 +  Window Defaults
.head 3 +  Form Window
.head 4 -  Display Style? Etched
.head 4 -  Font Name: MS Sans Serif
.head 4 -  Font Size: 8
.head 2 +  Formats
.head 3 -  Number: #0
.head 2 +  External Functions
.head 3 +  Library name: KERNEL32.DLL
.head 4 +  Function: GetTickCount
.head 5 -  Description: Milliseconds since the system started
.head 5 -  Export Ordinal: 0
.head 5 +  Returns
.head 6 -  Number: DWORD
.head 5 -  Parameters
.head 2 +  Constants
.head 3 -  System
.head 3 +  User
.head 4 -  Number: LIB_VERSION = 3
.head 4 -  String: LIB_NAME = 'Olvaren Lib'
.head 4 -  Number: LOG_Info = 1
.head 4 -  Number: LOG_Error = 2
.head 2 -  Resources
.head 2 +  Variables
.head 3 -  Number: nLibObjectCount
.head 3 -  String: sLibLogFile
.head 2 +  Internal Functions
.head 3 +  Function: LibNextObjectId
.head 4 -  Description: Hands out the next object number
.head 4 +  Returns
.head 5 -  Number:
.head 4 -  Parameters
.head 4 -  Static Variables
.head 4 -  Local variables
.head 4 +  Actions
.head 5 -  Set nLibObjectCount = nLibObjectCount + 1
.head 5 -  Return nLibObjectCount
.head 2 -  Named Menus
.head 2 +  Class Definitions
.head 3 -  ! The root of every object class of the sample
.head 3 +  Functional Class: fcObject
.head 4 -  Description: Root object with a number and a name
.head 4 -  Derived From
.head 4 +  Class Variables
.head 5 -  Number: nInstances
.head 4 +  Instance Variables
.head 5 -  Number: nId
.head 5 -  String: sName
.head 4 +  Functions
.head 5 +  Function: Init
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  String: psName
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set nId = LibNextObjectId( )
.head 7 -  Set sName = psName
.head 7 -  Set nInstances = nInstances + 1
.head 5 +  Function: GetName
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  String:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return sName
.head 3 +  Functional Class: fcSerializable
.head 4 -  Description: An object that writes itself as one line of text
.head 4 +  Derived From
.head 5 -  Class: fcObject
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  String: sBuffer
.head 4 +  Functions
.head 5 +  Function: Serialize
.head 6 -  Description: Returns the object as "id;name"
.head 6 +  Returns
.head 7 -  String:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set sBuffer = SalNumberToStrX( nId, 0 ) || ';' || sName
.head 7 -  Return sBuffer
.head 3 +  Functional Class: fcLogger
.head 4 -  Description: Collects log lines in memory
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  String: saLines[*]
.head 5 -  Number: nLines
.head 4 +  Functions
.head 5 +  Function: Log
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnLevel
.head 7 -  String: psText
.head 6 -  Static Variables
.head 6 +  Local variables
.head 7 -  String: sPrefix
.head 6 +  Actions
.head 7 +  If pnLevel = LOG_Error
.head 8 -  Set sPrefix = 'ERROR: '
.head 7 +  Else
.head 8 -  Set sPrefix = ''
.head 7 -  Set saLines[nLines] = sPrefix || psText
.head 7 -  Set nLines = nLines + 1
.head 3 +  Form Window Class: frmcBase
.head 4 -  Title:
.head 4 -  Icon File:
.head 4 -  Accessories Enabled? Class Default
.head 4 -  Visible? Class Default
.head 4 -  Display Settings
.head 5 -  Display Style? Class Default
.head 5 -  Visible at Design time? Yes
.head 5 -  Automatically Created at Runtime? Class Default
.head 5 -  Initial State: Class Default
.head 5 -  Window Location and Size
.head 6 -  Left:
.head 6 -  Top:
.head 6 -  Width:  Class Default
.head 6 -  Height: Class Default
.head 4 -  Next Class Child Key: 0
.head 4 -  List in Tool Palette? Yes
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Description: Form with a logger and a dirty flag
.head 4 -  Derived From
.head 4 -  Menu
.head 4 -  Contents
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Boolean: bDirty
.head 5 -  FunctionalVar: oLog
.head 6 -  Class: fcLogger
.head 4 +  Functions
.head 5 +  Function: SetDirty
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Boolean: pbDirty
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set bDirty = pbDirty
.head 7 -  Call oLog.Log( LOG_Info, 'dirty flag changed' )
.head 4 +  Message Actions
.head 5 +  On SAM_Create
.head 6 -  Set bDirty = FALSE
.head 3 +  Pushbutton Class: pbcBase
.head 4 -  Title:
.head 4 -  Window Location and Size
.head 5 -  Left:
.head 5 -  Top:
.head 5 -  Width:  1.2"
.head 5 -  Height: 0.298"
.head 4 -  Visible? Class Default
.head 4 -  Keyboard Accelerator: Class Default
.head 4 -  List in Tool Palette? Yes
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Description: Push button that counts its clicks
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: nClicks
.head 4 +  Functions
.head 5 +  Function: Clicked
.head 6 -  Description:
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set nClicks = nClicks + 1
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  Call Clicked( )
.head 2 +  Default Classes
.head 3 -  MDI Window:
.head 3 -  Form Window:
.head 3 -  Dialog Box:
.head 3 -  Table Window:
.head 3 -  Data Field:
.head 3 -  Pushbutton:
.head 3 -  Column:
.head 2 -  Application Actions
