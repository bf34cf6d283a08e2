.head 0 +  Application Description: Счётчик заказов (cp1251)
.head 1 -  Outline Version - 4.0.28
.head 1 +  Global Declarations
.head 2 +  Variables
.head 3 -  String: sЗаказ
.head 2 +  Internal Functions
.head 3 +  Function: Записать
.head 4 -  Description: записывает заказ
.head 4 +  Actions
.head 5 -  Set sЗаказ = 'новый заказ'
.head 5 -  ! заказ готов
