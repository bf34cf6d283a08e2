.head 0 +  Application Description: Orders: takes an order
.head 1 -  Outline Version - 4.0.28
.head 1 +  Libraries
.head 2 -  File Include: common.apl
.head 1 +  Global Declarations
.head 2 +  Constants
.head 3 +  User
.head 4 -  Number: ORDER_Max = 99
.head 4 -  ! Number: ORDER_Old = 1
.head 2 +  Internal Functions
.head 3 +  Function: PlaceOrder
.head 4 -  Description: places one order
.head 4 +  Actions
.head 5 -  Call SalMessageBox( 'order placed', 'Order', MB_Ok )
.head 5 -  ! If nOrder > ORDER_Max
.head 6 -  Set nOrder = 0
.head 2 +  Class Definitions
.head 3 +  Functional Class: cOrder
.head 4 +  Derived From
.head 5 -  Class: cRecord
