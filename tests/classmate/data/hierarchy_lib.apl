.head 0 +  Application Description: ClassMate test library
.head 1 -  Outline Version - 4.0.28
.head 1 +  Libraries
.head 2 -  File Include: hierarchy_base.apl
.head 1 +  Global Declarations
.head 2 +  Class Definitions
.head 3 +  Functional Class: lcChild
.head 4 +  Derived From
.head 5 -  Class: lcBase
.head 3 +  Form Window Class: frmcLib
.head 4 -  Derived From
