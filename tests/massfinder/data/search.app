.head 0 +  Application Description: Search test: widget maker
.head 1 -  Outline Version - 4.0.28
.head 1 +  Design-time Settings
.head 2 -  Outline Window State: Normal
.head 2 +  Outline Window Location and Size
.head 3 -  Left: 0.5"
.head 3 -  Width:  8.0"
.head 1 +  Libraries
.head 2 -  File Include: search_lib.apl
.head 1 +  Global Declarations
.head 2 +  Window Defaults
.head 3 +  Form Window
.head 4 -  Font Name: Widget Sans
.head 4 -  Font Size: 8
.head 2 +  Constants
.head 3 -  System
.head 3 +  User
.head 4 -  ! widget kinds
.head 4 -  Number: WIDGET_Knob = 1
.head 4 -  Number: WIDGET_Lever = 2
.head 4 -  String: WIDGET_Name = 'widget'
.head 2 +  Variables
.head 3 -  Number: nWidgets
.head 3 -  String: sWidget_Label
.head 3 -  ! Number: nOldWidgets
.head 2 +  Internal Functions
.head 3 +  Function: MakeWidget
.head 4 -  Description: Makes one widget
	of the given kind
.head 4 +  Returns
.head 5 -  Boolean:
.head 4 +  Parameters
.head 5 -  Number: pnKind
.head 4 -  Static Variables
.head 4 +  Local variables
.head 5 -  Number: nWidget
.head 4 +  Actions
.head 5 -  ! count it
.head 5 +  If pnKind = WIDGET_Knob
.head 6 -  ! a knob widget
.head 6 -  Set nWidgets = nWidgets + 1
.head 6 -  Call SalMessageBox( 'widget	made', 'Widget', MB_Ok )
.head 5 -  Set xa = a
.head 5 -  Set nWidget = foo_bar + foo.bar + foo(1)
.head 5 -  Return TRUE
.head 1 +  Form Window: frmWidgets
.head 2 -  Class:
.head 2 -  Title: Widgets
.head 2 +  Contents
.head 3 +  Pushbutton: pbMake
.head 4 -  Title: Make widget
.head 4 +  Message Actions
.head 5 +  On SAM_Click
.head 6 -  ! make one
.head 6 +  If MakeWidget( WIDGET_Lever )
.head 7 -  Call SalSetWindowText( hWndForm, 'widget made' )
.head 2 -  Functions
.head 2 +  Message Actions
.head 3 +  On SAM_Create
.head 4 -  Call MakeWidget( WIDGET_Knob )
