// CPlex: the blocks in which MFC's linked collections allocate their nodes,
// nBlockSize nodes at a time, freed together when the collection empties.
#pragma once

#include <stddef.h>

#include "afxver_.h"

struct AFX_CLASS_EXPORT CPlex {
  CPlex* pNext;

  void* data() { return this + 1; }
  // Allocates a block for nMax elements of cbElement bytes each and links it
  // in front of pHead.
  static CPlex* Create(CPlex*& pHead, size_t nMax, size_t cbElement);
  // Frees this block and all blocks linked behind it.
  void FreeDataChain();
};
