.head 0 +  Application Description: ClassMate test base library
.head 1 -  Outline Version - 4.0.28
.head 1 +  Global Declarations
.head 2 +  Class Definitions
.head 3 +  Functional Class: lcBase
.head 4 -  Derived From
