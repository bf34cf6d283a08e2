.head 0 +  Application Description: ClassMate test outline
Class hierarchies for the class-hierarchy report: single, multiple and
two-path inheritance, bases that are not found, duplicate names and
classes from two levels of included libraries.
.head 1 -  Outline Version - 4.0.28
.head 1 +  Libraries
.head 2 -  File Include: hierarchy_lib.apl
.head 1 +  Global Declarations
.head 2 -  Window Defaults
.head 2 +  Internal Functions
.head 3 +  Function: Helper
.head 4 -  Description:
.head 4 -  Returns
.head 4 +  Actions
.head 5 -  Return 0
.head 2 +  Class Definitions
.head 3 -  ! single inheritance over three levels, a commented-out base
.head 3 +  Functional Class: cRoot
.head 4 -  Description: derives from nothing
.head 4 -  Derived From
.head 4 -  Class Variables
.head 4 +  Instance Variables
.head 5 -  Number: nRoot
.head 4 +  Functions
.head 5 +  Function: RootFn
.head 6 -  Description:
.head 6 -  Returns
.head 6 -  Parameters
.head 6 -  Static Variables
.head 6 -  Local variables
.head 6 +  Actions
.head 7 -  Return 1
.head 3 +  Functional Class: cBase
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: cRoot
.head 3 +  Functional Class: cMid
.head 4 +  Derived From
.head 5 -  Class: cBase
.head 3 +  Functional Class: cLeaf
.head 4 +  Derived From
.head 5 -  ! Class: cRoot
.head 5 -  Class: cMid
.head 3 -  ! two paths to one ancestor
.head 3 +  Functional Class: cLeft
.head 4 +  Derived From
.head 5 -  Class: cRoot
.head 3 +  Functional Class: cRight
.head 4 +  Derived From
.head 5 -  Class: cRoot
.head 3 +  Functional Class: cJoin
.head 4 +  Derived From
.head 5 -  Class: cLeft
.head 5 -  Class: cRight
.head 3 -  ! bases that are not found: no definition, other capitals
.head 3 +  Functional Class: cOrphan
.head 4 +  Derived From
.head 5 -  Class: cMissing
.head 5 -  Class: cbase
.head 5 -  Class: cLeft
.head 3 -  ! two definitions of one name: the first is the one followed
.head 3 +  Functional Class: cDup
.head 4 +  Derived From
.head 5 -  Class: cLeft
.head 3 +  Functional Class: cDup
.head 4 +  Derived From
.head 5 -  Class: cRight
.head 3 +  Functional Class: cUsesDup
.head 4 +  Derived From
.head 5 -  Class: cDup
.head 3 -  ! bases from the libraries
.head 3 +  Form Window Class: frmcApp
.head 4 -  Description:
.head 4 +  Derived From
.head 5 -  Class: frmcLib
.head 3 +  Functional Class: cLibUser
.head 4 +  Derived From
.head 5 -  Class: lcChild
.head 5 -  Class: cRoot
.head 1 +  Form Window: frmMain
.head 2 -  Class: frmcApp
.head 2 -  Title: Main
.head 2 +  Window Variables
.head 3 -  Number: nCount
