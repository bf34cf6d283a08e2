.head 0 +  Application Description: CodeJumper test outline: cyclic derivation, missing anchors
.head 1 -  Outline Version - 4.0.28
.head 1 +  Global Declarations
.head 2 +  Variables
.head 3 -  Number: nGlobal
.head 3 -  FunctionalVar: oLoop
.head 4 -  Class: fcLoopA
.head 3 -  FunctionalVar: oBare
.head 4 -  Class: fcBare
.head 3 -  FunctionalVar: oSelf
.head 4 -  Class: fcSelf
.head 2 +  Internal Functions
.head 3 +  Function: Probe
.head 4 +  Actions
.head 5 -  Set nGlobal = oLoop.nDeep
.head 5 -  Set nGlobal = oLoop.nNothing
.head 5 -  Set nGlobal = oSelf.nNothing
.head 5 -  Set nGlobal = oBare.nBare
.head 5 -  Set nGlobal = frmQuiet.dfQuiet
.head 5 -  Set nglobal = 0
.head 2 +  Class Definitions
.head 3 +  Functional Class: fcLoopA
.head 4 +  Derived From
.head 5 -  Class: fcLoopB
.head 4 +  Instance Variables
.head 5 -  Number: nA
.head 4 +  Functions
.head 5 +  Function: UseA
.head 6 +  Actions
.head 7 -  Set nUnknown = nB
.head 3 +  Functional Class: fcLoopB
.head 4 +  Derived From
.head 5 -  Class: fcLoopA
.head 5 -  Class: fcDeep
.head 4 +  Instance Variables
.head 5 -  Number: nB
.head 3 +  Functional Class: fcSelf
.head 4 +  Derived From
.head 5 -  Class: fcSelf
.head 4 +  Functions
.head 5 +  Function: UseSelf
.head 6 +  Actions
.head 7 -  Set nMissing = nGlobal
.head 3 +  Functional Class: fcDeep
.head 4 -  Derived From
.head 4 +  Instance Variables
.head 5 -  Number: nDeep
.head 3 +  Functional Class: fcBare
.head 4 +  Instance Variables
.head 5 -  Number: nBare
.head 1 +  Form Window: frmPlain
.head 2 +  Contents
.head 3 +  Data Field: dfPlain
.head 4 +  Message Actions
.head 5 +  On SAM_Create
.head 6 -  Set dfPlain = nGlobal
.head 2 +  Window Variables
.head 3 -  Number: nPlain
.head 2 +  Message Actions
.head 3 +  On SAM_Create
.head 4 -  Set nPlain = frmPlain.dfPlain
.head 1 +  Form Window: frmQuiet
.head 2 +  Contents
.head 3 -  Data Field: dfQuiet
