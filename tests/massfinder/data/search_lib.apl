.head 0 +  Application Description: Search test library
.head 1 -  Outline Version - 4.0.28
.head 1 +  Global Declarations
.head 2 +  Constants
.head 3 +  User
.head 4 -  ! library widget constants
.head 4 -  Number: LIB_WIDGET_Max = 9
.head 2 +  Internal Functions
.head 3 +  Function: LibWidgetCount
.head 4 -  Description: widgets so far
.head 4 +  Actions
.head 5 -  Return LIB_WIDGET_Max
