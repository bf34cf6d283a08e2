.head 0 +  Application Description: Legacy orders
.head 1 -  Outline Version - 4.0.28
.head 1 +  Libraries
.head 2 -  File Include: gone.apl
.head 1 +  Global Declarations
.head 2 +  Variables
.head 3 -  Number: nLegacyOrder
