.head 0 +  Application Description: ClassMate test outline with cyclic derivation
.head 1 -  Outline Version - 4.0.28
.head 1 +  Global Declarations
.head 2 +  Class Definitions
.head 3 -  ! cA -> cB -> cC -> cA
.head 3 +  Functional Class: cA
.head 4 +  Derived From
.head 5 -  Class: cB
.head 3 +  Functional Class: cB
.head 4 +  Derived From
.head 5 -  Class: cC
.head 3 +  Functional Class: cC
.head 4 +  Derived From
.head 5 -  Class: cA
.head 3 -  ! outside the cycle, derived from a class on it
.head 3 +  Functional Class: cOutside
.head 4 +  Derived From
.head 5 -  Class: cA
.head 3 -  ! a class naming itself as its base
.head 3 +  Functional Class: cSelf
.head 4 +  Derived From
.head 5 -  Class: cSelf
