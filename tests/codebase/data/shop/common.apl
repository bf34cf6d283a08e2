.head 0 +  Application Description: Common: shared by orders and billing
.head 1 -  Outline Version - 4.0.28
.head 1 +  Global Declarations
.head 2 +  Constants
.head 3 +  User
.head 4 -  String: ORDER_Table = 'orders'
.head 2 +  Class Definitions
.head 3 +  Functional Class: cRecord
.head 4 -  Derived From
