// The small application the CDK and runtime tests run on: written into a
// temporary folder together with one included library, loaded into the IDE
// as the application, with helpers to name its items.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "cdk.h"
#include "ide/core/Ide.h"

namespace cdktest {

// The application file. Classes: cBase <- cMid <- cLeaf (single), cMulti
// from cMid and cOther (with a commented-out base between), cLeft/cRight from
// cBase joined in cDiamond, cCycA <-> cCycB (cyclic), cFromLib from the
// library's cLibBase, cCase naming "cbase" (other capitals), cGhost naming a
// class that does not exist.
inline const char* const kAppText =
    ".head 0 +  Application Description: CDK test application\n"
    ".head 1 -  Outline Version - 4.0.34\n"
    ".head 1 +  Libraries\n"
    ".head 2 -  File Include: cdklib.apl\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Constants\n"
    ".head 3 -  System\n"
    ".head 3 +  User\n"
    ".head 4 -  Number: NMAX = 10\n"
    ".head 2 +  Variables\n"
    ".head 3 -  Number: gnCount\n"
    ".head 3 -  ! Number: gnOld\n"
    ".head 3 -  FunctionalVar: fcVar\n"
    ".head 4 -  Class: cMid\n"
    ".head 2 +  Internal Functions\n"
    ".head 3 +  Function: fAdd\n"
    ".head 4 -  Description: adds two numbers\n"
    ".head 4 +  Returns\n"
    ".head 5 -  Number:\n"
    ".head 4 +  Parameters\n"
    ".head 5 -  Number: nA\n"
    ".head 5 -  Number: nB\n"
    ".head 4 -  Static Variables\n"
    ".head 4 +  Local variables\n"
    ".head 5 -  ! Number: nOld\n"
    ".head 5 -  Number: nSum\n"
    ".head 5 -  String: sText\n"
    ".head 4 +  Actions\n"
    ".head 5 -  Set nSum = nA + nB\n"
    ".head 5 -  Return nSum\n"
    ".head 2 +  Class Definitions\n"
    ".head 3 +  Functional Class: cBase\n"
    ".head 4 -  Description:\n"
    ".head 4 -  Derived From\n"
    ".head 4 -  Class Variables\n"
    ".head 4 +  Instance Variables\n"
    ".head 5 -  Number: nBase\n"
    ".head 4 -  Functions\n"
    ".head 3 +  Functional Class: cMid\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cBase\n"
    ".head 3 +  Functional Class: cLeaf\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cMid\n"
    ".head 3 +  Functional Class: cOther\n"
    ".head 4 -  Derived From\n"
    ".head 3 +  Functional Class: cMulti\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cMid\n"
    ".head 5 -  ! Class: cGone\n"
    ".head 5 -  Class: cOther\n"
    ".head 3 -  ! Functional Class: cCommented\n"
    ".head 3 +  Functional Class: cLeft\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cBase\n"
    ".head 3 +  Functional Class: cRight\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cBase\n"
    ".head 3 +  Functional Class: cDiamond\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cLeft\n"
    ".head 5 -  Class: cRight\n"
    ".head 3 +  Functional Class: cCycA\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cCycB\n"
    ".head 3 +  Functional Class: cCycB\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cCycA\n"
    ".head 3 +  Functional Class: cFromLib\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cLibBase\n"
    ".head 3 +  Functional Class: cCase\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cbase\n"
    ".head 3 +  Functional Class: cGhost\n"
    ".head 4 +  Derived From\n"
    ".head 5 -  Class: cNowhere\n"
    ".head 1 +  Form Window: frmMain\n"
    ".head 2 -  Class:\n"
    ".head 2 -  Title: Main\n"
    ".head 2 +  Contents\n"
    ".head 3 +  Pushbutton: pbOk\n"
    ".head 4 -  Title: OK\n"
    ".head 3 -  ! Pushbutton: pbOld\n"
    ".head 3 +  Data Field: dfName\n"
    ".head 4 -  Data Type: String\n"
    ".head 2 +  Window Variables\n"
    ".head 3 -  Number: nWin\n"
    ".head 1 +  Dialog Box: dlgAbout\n"
    ".head 2 -  Title: About\n";

// The included library: its own class section and function.
inline const char* const kLibText =
    ".head 0 +  Application Description: CDK test library\n"
    ".head 1 -  Outline Version - 4.0.34\n"
    ".head 1 +  Global Declarations\n"
    ".head 2 +  Internal Functions\n"
    ".head 3 +  Function: fLib\n"
    ".head 4 +  Actions\n"
    ".head 5 -  Return TRUE\n"
    ".head 2 +  Class Definitions\n"
    ".head 3 +  Functional Class: cLibBase\n"
    ".head 4 -  Derived From\n";

// Writes the two files, loads the application into a fresh IDE state and
// keeps its handle. Tears the IDE state down again afterwards.
class CdkOutlineTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // The first item whose title and declared name are these (in outline order);
  // fails the test when there is none.
  HITEM Find(std::string_view title, std::string_view name) const;
  // The first item whose title and text are these.
  HITEM FindText(std::string_view title, std::string_view text = std::string_view()) const;
  CGItem Item(std::string_view title, std::string_view name) const { return CGItem(h_, Find(title, name)); }
  const ide::Outline& O() const { return *ide::Ide::Instance().GetOutline(h_); }

  std::string dir_;
  std::string appPath_;
  HOUTLINE h_ = 0;
};

// Opens a program in a fresh IDE state as the application, its libraries
// looked up in `includeDir` too; `h` is its handle (0 on failure).
ide::LoadStatus OpenProgram(const std::string& path, const std::string& includeDir, HOUTLINE& h);

// A function bound with GetProcAddress, as its own type.
template <class F>
F ProcAs(FARPROC proc) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(proc));
}

// The text of a CDK list's entries' names, "a,b,c".
std::string Names(const CGObjectList& list);
// A CDK list's entries as "title text|title text".
std::string Lines(const CGObjectList& list);

}  // namespace cdktest
