.head 0 +  Application Description: Olvaren sample application
A small shape editor written for the Olvaren tools:
	- class hierarchies with single, multiple and two-path inheritance
	- window classes, a form window with a table, a dialog box
	- an included library of its own (Olvaren_Lib.apl)
.head 1 -  Outline Version - 4.0.28
.head 1 +  Design-time Settings
.head 2 -  Outline Window State: Normal
.head 2 +  Outline Window Location and Size
.head 3 -  Left: -0.013"
.head 3 -  Top: 0.0"
.head 3 -  Width:  8.013"
.head 3 -  Height: 4.969"
.head 2 +  Options Box Location
.head 3 -  Visible? Yes
.head 3 -  Left: 4.15"
.head 3 -  Top: 1.885"
.head 3 -  Width:  3.8"
.head 3 -  Height: 2.073"
.head 2 -  Fully Qualified External References? Yes
.head 2 -  Reject Multiple Window Instances? No
.head 2 -  Enable Runtime Checks Of External References? Yes
.head 2 -  Use Release 4.0 Scope Rules? No
.head 1 +  Libraries
.head 2 -  ! File Include: OldShapes.apl
.head 2 -  File Include: Olvaren_Lib.apl
.head 1 +  Global Declarations
.head 2 +  Window Defaults
.head 3 +  Tool Bar
.head 4 -  Display Style? Etched
.head 4 -  Font Name: MS Sans Serif
.head 4 -  Font Size: 8
.head 4 -  Font Enhancement: System Default
.head 4 -  Text Color: System Default
.head 4 -  Background Color: System Default
.head 3 +  Form Window
.head 4 -  Display Style? Etched
.head 4 -  Font Name: MS Sans Serif
.head 4 -  Font Size: 8
.head 4 -  Font Enhancement: System Default
.head 4 -  Text Color: System Default
.head 4 -  Background Color: System Default
.head 3 +  Dialog Box
.head 4 -  Display Style? Etched
.head 4 -  Font Name: MS Sans Serif
.head 4 -  Font Size: 8
.head 4 -  Font Enhancement: System Default
.head 4 -  Text Color: System Default
.head 4 -  Background Color: System Default
.head 3 +  Data Field
.head 4 -  Font Name: Use Parent
.head 4 -  Font Size: Use Parent
.head 4 -  Font Enhancement: Use Parent
.head 4 -  Text Color: Use Parent
.head 4 -  Background Color: Use Parent
.head 3 +  Pushbutton
.head 4 -  Font Name: Use Parent
.head 4 -  Font Size: Use Parent
.head 4 -  Font Enhancement: Use Parent
.head 2 +  Formats
.head 3 -  Number: #0
.head 3 -  Number: #,##0.00
.head 3 -  Date/Time: dd.MM.yyyy
.head 2 +  External Functions
.head 3 +  Library name: USER32.DLL
.head 4 +  Function: MessageBeep
.head 5 -  Description: Plays a system sound
.head 5 -  Export Ordinal: 0
.head 5 +  Returns
.head 6 -  Boolean: BOOL
.head 5 +  Parameters
.head 6 -  Number: UINT
.head 4 +  Function: GetSystemMetrics
.head 5 -  Description:
.head 5 -  Export Ordinal: 0
.head 5 +  Returns
.head 6 -  Number: INT
.head 5 +  Parameters
.head 6 -  Number: INT
.head 2 +  Constants
.head 3 +  System
.head 4 -  Number: SAMPLE_BUILD = 7
.head 3 +  User
.head 4 -  ! Shape kinds
.head 4 -  Number: SHAPE_Circle = 1
.head 4 -  Number: SHAPE_Square = 2
.head 4 -  Number: PM_Refresh = SAM_User + 1
.head 4 -  String: APP_TITLE = 'Olvaren Sample'
.head 4 -  ! Number: SHAPE_Triangle = 3
.head 3 -  Enumerations
.head 2 -  Resources
.head 2 +  Variables
.head 3 -  String: sAppTitle
.head 3 -  Number: nOpenForms
.head 3 -  Window Handle: hWndEditor
.head 3 -  FunctionalVar: oAppLog
.head 4 -  Class: fcLogger
.head 3 -  ! Number: nUnused
.head 2 +  Internal Functions
.head 3 +  Function: ShapeArea
.head 4 -  Description: Area of a shape of the given kind and size
.head 4 +  Returns
.head 5 -  Number:
.head 4 +  Parameters
.head 5 -  Number: pnKind
.head 5 -  Number: pnSize
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nArea
.head 4 +  Actions
.head 5 +  Select Case pnKind
.head 6 +  Case SHAPE_Circle
.head 7 -  Set nArea = 3.14159 * pnSize * pnSize
.head 7 -  Break
.head 6 +  Case SHAPE_Square
.head 7 -  Set nArea = pnSize * pnSize
.head 7 -  Break
.head 6 +  Default
.head 7 -  Set nArea = 0
.head 5 -  Return nArea
.head 3 +  Function: OpenEditor
.head 4 -  Description:
.head 4 +  Returns
.head 5 -  Boolean:
.head 4 +  Parameters
.head 5 -  String: psTitle
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Window Handle: hWndNew
.head 4 +  Actions
.head 5 -  Set hWndNew = SalCreateWindow( frmMain, hWndNULL )
.head 5 +  If hWndNew = hWndNULL
.head 6 -  Call oAppLog.Log( LOG_Error, 'cannot open ' || psTitle )
.head 6 -  Return FALSE
.head 5 -  Call SalSetWindowText( hWndNew, psTitle )
.head 5 -  Set hWndEditor = hWndNew
.head 5 -  Set nOpenForms = nOpenForms + 1
.head 5 -  Return TRUE
.head 2 +  Named Menus
.head 3 +  Menu: menuShape
.head 4 -  Resource Id: 1001
.head 4 -  Title: &Shape
.head 4 -  Description:
.head 4 -  Enabled when:
.head 4 -  Status Text:
.head 4 -  Menu Item Name:
.head 4 +  Menu Item: &New Circle
.head 5 -  Resource Id: 1002
.head 5 -  Keyboard Accelerator: (none)
.head 5 -  Status Text: Adds a circle
.head 5 +  Menu Settings
.head 6 -  Enabled when:
.head 6 -  Checked when:
.head 5 +  Menu Actions
.head 6 -  Call SalSendMsg( hWndEditor, PM_Refresh, SHAPE_Circle, 0 )
.head 5 -  Menu Item Name:
.head 2 +  Class Definitions
.head 3 -  ! Shapes: fcShape <- fcCircle (single), fcStoredShape (two bases)
.head 3 +  Functional Class: fcShape
.head 4 -  Description: A shape with a kind and a size
.head 4 +  Derived From
.head 5 -  Class: fcObject
.head 4 +  Class Variables
.head 5 -  Number: nShapesMade
.head 4 +  Instance Variables
.head 5 -  Number: nKind
.head 5 -  Number: nSize
.head 4 +  Functions
.head 5 +  Function: Area
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  Number:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return ShapeArea( nKind, nSize )
.head 5 +  Function: Resize
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnFactor
.head 6 -  Static Variables
.head 6 +  Local variables
.head 7 -  Number: nOld
.head 6 +  Actions
.head 7 -  Set nOld = nSize
.head 7 -  Set nSize = nOld * pnFactor
.head 3 +  Functional Class: fcCircle
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: fcShape
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: nRadius
.head 4 +  Functions
.head 5 +  Function: SetRadius
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnRadius
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set nRadius = pnRadius
.head 7 -  Set nKind = SHAPE_Circle
.head 7 -  Set nSize = pnRadius
.head 3 +  Functional Class: fcStoredShape
.head 4 -  Description: A shape that can be written out
.head 4 +  Derived From
.head 5 -  Class: fcShape
.head 5 -  Class: fcSerializable
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  String: sFileName
.head 4 +  Functions
.head 5 +  Function: Save
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  Boolean:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 +  Local variables
.head 7 -  String: sLine
.head 6 +  Actions
.head 7 -  Set sLine = Serialize( ) || ';' || SalNumberToStrX( Area( ), 2 )
.head 7 -  Return sLine != ''
.head 3 -  ! Labels: fcNamed and fcColoured both derive from fcObject, fcLabel from both
.head 3 +  Functional Class: fcNamed
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: fcObject
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  String: sCaption
.head 4 -  Functions
.head 3 +  Functional Class: fcColoured
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: fcObject
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: nColor
.head 4 +  Functions
.head 5 +  Function: SetColor
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnColor
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set nColor = pnColor
.head 3 +  Functional Class: fcLabel
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: fcNamed
.head 5 -  Class: fcColoured
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: nFontSize
.head 4 +  Functions
.head 5 +  Function: Describe
.head 6 -  Description:
.head 6 +  Returns
.head 7 -  String:
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return sCaption || ' (' || SalNumberToStrX( nColor, 0 ) || ')'
.head 3 +  Form Window Class: frmcEditor
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
.head 4 -  Description: Editor form: keeps the shapes it shows
.head 4 +  Derived From
.head 5 -  Class: frmcBase
.head 4 -  Menu
.head 4 -  Contents
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  FunctionalVar: oCurrent
.head 6 -  Class: fcStoredShape
.head 5 -  Number: nShapeCount
.head 4 +  Functions
.head 5 +  Function: AddShape
.head 6 -  Description:
.head 6 -  Returns
.head 6 +  Parameters
.head 7 -  Number: pnKind
.head 7 -  Number: pnSize
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set oCurrent.nKind = pnKind
.head 7 -  Set oCurrent.nSize = pnSize
.head 7 -  Set nShapeCount = nShapeCount + 1
.head 7 -  Call SetDirty( TRUE )
.head 4 +  Message Actions
.head 5 +  On PM_Refresh
.head 6 -  Call AddShape( wParam, 10 )
.head 3 +  Pushbutton Class: pbcOk
.head 4 -  Title: OK
.head 4 -  Window Location and Size
.head 5 -  Left:
.head 5 -  Top:
.head 5 -  Width:  Class Default
.head 5 -  Height: Class Default
.head 4 -  Visible? Class Default
.head 4 -  Keyboard Accelerator: Enter
.head 4 -  List in Tool Palette? Yes
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: pbcBase
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Boolean: bConfirmed
.head 4 +  Functions
.head 5 +  Function: Confirm
.head 6 -  Description:
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Set bConfirmed = TRUE
.head 7 -  Call Clicked( )
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  Call Confirm( )
.head 6 -  Call SalSendMsg( hWndForm, PM_Refresh, SHAPE_Square, 0 )
.head 2 +  Default Classes
.head 3 -  MDI Window:
.head 3 -  Form Window: frmcEditor
.head 3 -  Dialog Box:
.head 3 -  Table Window:
.head 3 -  Data Field:
.head 3 -  Multiline Field:
.head 3 -  Pushbutton: pbcOk
.head 3 -  Child Table:
.head 3 -  Column:
.head 3 -  Background Text:
.head 2 +  Application Actions
.head 3 +  On SAM_AppStartup
.head 4 -  Set sAppTitle = APP_TITLE
.head 4 -  Call oAppLog.Log( LOG_Info, 'start of ' || sAppTitle )
.head 4 -  Call OpenEditor( sAppTitle )
.head 3 +  On SAM_AppExit
.head 4 -  Call MessageBeep( 0 )
.head 1 +  Form Window: frmMain
.head 2 -  Class: frmcEditor
.head 2 -  Property Template:
.head 2 -  Class DLL Name:
.head 2 -  Title: Shapes
.head 2 -  Icon File:
.head 2 -  Accessories Enabled? No
.head 2 -  Visible? Yes
.head 2 -  Display Settings
.head 3 -  Display Style? Default
.head 3 -  Visible at Design time? Yes
.head 3 -  Automatically Created at Runtime? No
.head 3 -  Initial State: Normal
.head 3 -  Window Location and Size
.head 4 -  Left: 1.0"
.head 4 -  Top: 0.5"
.head 4 -  Width:  6.5"
.head 4 -  Height: 4.2"
.head 3 -  Font Name: Default
.head 3 -  Font Size: Default
.head 2 -  Description: The editor: a name, a radius, a table of shapes
.head 2 -  Named Menus
.head 2 -  Menu
.head 2 +  Contents
.head 3 -  Background Text: &Name:
.head 4 -  Resource Id: 2001
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Window Location and Size
.head 5 -  Left: 0.2"
.head 5 -  Top: 0.2"
.head 5 -  Width:  0.8"
.head 5 -  Height: 0.167"
.head 4 -  Visible? Yes
.head 4 -  Justify: Left
.head 3 +  Data Field: dfName
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Data
.head 5 -  Maximum Data Length: 40
.head 5 -  Data Type: String
.head 5 -  Editable? Yes
.head 4 -  Display Settings
.head 5 -  Window Location and Size
.head 6 -  Left: 1.1"
.head 6 -  Top: 0.15"
.head 6 -  Width:  2.0"
.head 6 -  Height: 0.25"
.head 5 -  Visible? Yes
.head 5 -  Border? Yes
.head 5 -  Justify: Left
.head 5 -  Format: Unformatted
.head 4 +  Message Actions
.head 5 +  On SAM_Validate
.head 6 +  If SalIsNull( dfName )
.head 7 -  Return VALIDATE_Cancel
.head 6 -  Return VALIDATE_Ok
.head 3 +  Data Field: dfRadius
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Data
.head 5 -  Maximum Data Length: Default
.head 5 -  Data Type: Number
.head 5 -  Editable? Yes
.head 4 -  Display Settings
.head 5 -  Window Location and Size
.head 6 -  Left: 1.1"
.head 6 -  Top: 0.5"
.head 6 -  Width:  1.0"
.head 6 -  Height: 0.25"
.head 5 -  Visible? Yes
.head 5 -  Border? Yes
.head 5 -  Justify: Right
.head 5 -  Format: #0
.head 4 +  Message Actions
.head 5 +  On SAM_Create
.head 6 -  Set MyValue = 1
.head 3 +  Pushbutton: pbOk
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class: pbcOk
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Title: &Add
.head 4 -  Window Location and Size
.head 5 -  Left: 3.4"
.head 5 -  Top: 0.15"
.head 5 -  Width:  Class Default
.head 5 -  Height: Class Default
.head 4 -  Visible? Yes
.head 4 -  Keyboard Accelerator: Class Default
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  Call oCurrent.SetColor( 0 )
.head 6 -  Call AddShape( SHAPE_Circle, dfRadius )
.head 6 -  Call SalTblInsertRow( tblShapes, TBL_MaxRow )
.head 6 -  Set tblShapes.colName = dfName
.head 6 -  Set tblShapes.colArea = ShapeArea( SHAPE_Circle, hWndForm.frmMain.dfRadius )
.head 3 +  Pushbutton: pbAbout
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Title: A&bout...
.head 4 -  Window Location and Size
.head 5 -  Left: 3.4"
.head 5 -  Top: 0.5"
.head 5 -  Width:  1.2"
.head 5 -  Height: 0.298"
.head 4 -  Visible? Yes
.head 4 -  Keyboard Accelerator: (none)
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  Call SalModalDialog( dlgAbout, hWndForm, APP_TITLE )
.head 3 +  Child Table: tblShapes
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Display Settings
.head 5 -  Window Location and Size
.head 6 -  Left: 0.2"
.head 6 -  Top: 1.0"
.head 6 -  Width:  6.0"
.head 6 -  Height: 2.5"
.head 5 -  Visible? Yes
.head 5 -  View: Table
.head 5 -  Allow Row Sizing? No
.head 5 -  Lines Per Row: Default
.head 4 -  Memory Settings
.head 5 -  Maximum Rows in Memory: Default
.head 5 -  Discardable? Yes
.head 4 +  Contents
.head 5 +  Column: colName
.head 6 -  Class Child Ref Key: 0
.head 6 -  Class ChildKey: 0
.head 6 -  Class:
.head 6 -  Property Template:
.head 6 -  Class DLL Name:
.head 6 -  Title: Name
.head 6 -  Visible? Yes
.head 6 -  Editable? No
.head 6 -  Maximum Data Length: 40
.head 6 -  Data Type: String
.head 6 -  Justify: Left
.head 6 -  Width:  2.5"
.head 6 -  List Values
.head 6 -  Message Actions
.head 5 +  Column: colArea
.head 6 -  Class Child Ref Key: 0
.head 6 -  Class ChildKey: 0
.head 6 -  Class:
.head 6 -  Property Template:
.head 6 -  Class DLL Name:
.head 6 -  Title: Area
.head 6 -  Visible? Yes
.head 6 -  Editable? No
.head 6 -  Maximum Data Length: Default
.head 6 -  Data Type: Number
.head 6 -  Justify: Right
.head 6 -  Width:  1.5"
.head 6 -  Format: #,##0.00
.head 6 -  List Values
.head 6 +  Message Actions
.head 7 +  On SAM_DoubleClick
.head 8 -  Call SalMessageBox( SalNumberToStrX( colArea, 2 ), 'Area', MB_Ok )
.head 4 -  Functions
.head 4 -  Window Variables
.head 4 +  Message Actions
.head 5 +  On SAM_Create
.head 6 -  Call SalTblReset( hWndItem )
.head 2 +  Functions
.head 3 +  Function: TotalArea
.head 4 -  Description: Sum of the area column
.head 4 +  Returns
.head 5 -  Number:
.head 4 -  Parameters
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nRow
.head 5 -  Number: nTotal
.head 4 +  Actions
.head 5 -  Set nRow = TBL_MinRow
.head 5 -  Set nTotal = 0
.head 5 +  While SalTblFindNextRow( tblShapes, nRow, 0, 0 )
.head 6 -  Call SalTblSetContext( tblShapes, nRow )
.head 6 -  Set nTotal = nTotal + tblShapes.colArea
.head 5 -  Return nTotal
.head 2 -  Window Parameters
.head 2 +  Window Variables
.head 3 -  Number: nSelected
.head 3 -  FunctionalVar: oLabel
.head 4 -  Class: fcLabel
.head 2 +  Message Actions
.head 3 +  On SAM_Create
.head 4 -  Call SalSetWindowText( hWndForm, APP_TITLE )
.head 4 -  Set nSelected = 0
.head 3 +  On SAM_Destroy
.head 4 -  ! The form goes away:
   tell the application so that the count stays right
.head 4 -  Set nOpenForms = nOpenForms - 1
.head 1 +  Dialog Box: dlgAbout
.head 2 -  Class:
.head 2 -  Property Template:
.head 2 -  Class DLL Name:
.head 2 -  Title: About
.head 2 -  Accessories Enabled? No
.head 2 -  Visible? Yes
.head 2 -  Display Settings
.head 3 -  Display Style? Default
.head 3 -  Visible at Design time? Yes
.head 3 -  Type of Dialog: Modal
.head 3 -  Window Location and Size
.head 4 -  Left: Default
.head 4 -  Top: Default
.head 4 -  Width:  3.5"
.head 4 -  Height: 1.6"
.head 3 -  Absolute Screen Location? No
.head 2 -  Description:
.head 2 +  Contents
.head 3 -  Background Text: Olvaren sample, build
.head 4 -  Resource Id: 3001
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Window Location and Size
.head 5 -  Left: 0.2"
.head 5 -  Top: 0.2"
.head 5 -  Width:  2.0"
.head 5 -  Height: 0.167"
.head 4 -  Visible? Yes
.head 4 -  Justify: Left
.head 3 +  Data Field: dfBuild
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Data
.head 5 -  Maximum Data Length: Default
.head 5 -  Data Type: Number
.head 5 -  Editable? No
.head 4 -  Display Settings
.head 5 -  Window Location and Size
.head 6 -  Left: 2.3"
.head 6 -  Top: 0.15"
.head 6 -  Width:  0.8"
.head 6 -  Height: 0.25"
.head 5 -  Visible? Yes
.head 5 -  Border? No
.head 5 -  Justify: Right
.head 5 -  Format: #0
.head 4 -  Message Actions
.head 3 +  Pushbutton: pbClose
.head 4 -  Class Child Ref Key: 0
.head 4 -  Class ChildKey: 0
.head 4 -  Class:
.head 4 -  Property Template:
.head 4 -  Class DLL Name:
.head 4 -  Title: &Close
.head 4 -  Window Location and Size
.head 5 -  Left: 1.2"
.head 5 -  Top: 0.8"
.head 5 -  Width:  1.0"
.head 5 -  Height: 0.298"
.head 4 -  Visible? Yes
.head 4 -  Keyboard Accelerator: Esc
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  Call SalEndDialog( hWndForm, nCloseCount )
.head 2 -  Functions
.head 2 +  Window Parameters
.head 3 -  String: psCaption
.head 2 +  Window Variables
.head 3 -  Number: nCloseCount
.head 2 +  Message Actions
.head 3 +  On SAM_CreateComplete
.head 4 -  Call SalSetWindowText( hWndForm, psCaption )
.head 4 -  Set dfBuild = SAMPLE_BUILD
.head 4 -  Set nCloseCount = nCloseCount + 1
.head 3 +  On SAM_Destroy
.head 4 -  ! Closing: keep count of
	how often	the dialog closed
.head 4 -  Set nCloseCount = nCloseCount + 1
.head 4 +  If nCloseCount > 1
.head 5 -  ! closed more than once: log it
.head 5 -  Call oAppLog.Log( LOG_Info,
	'closed	again' )
