// Membership tests for the item type code groups of ItemTypes.h.
#include "ide/outline/ItemTypes.h"

namespace ide {

bool IsClassDefinitionType(int t) {
  return t == 494 || (t >= 245 && t <= 260) || (t >= 282 && t <= 284) || (t >= 288 && t <= 290) ||
         (t >= 324 && t <= 327) || t == 456 || t == 514;
}

bool IsDeclarationSectionType(int t) {
  switch (t) {
    case 114: case 118: case 134: case 136: case 137: case 157: case 159: case 211:
    case 265: case 278: case 279: case 280: case 281: case 299: case 401:
      return true;
    default:
      return false;
  }
}

bool IsColonLessType(int t) {
  switch (t) {
    case 72: case 73: case 123: case 129: case 139: case 141: case 174: case 190: case 201:
      return true;
    default:
      return false;
  }
}

bool IsUnsearchedType(int t) {
  return t == 495 || (t >= 304 && t <= 321) || (t >= 328 && t <= 331) || (t >= 370 && t <= 372);
}

bool IsChildWindowType(int t) {
  return t == ItemType::ChildTable || (t >= ItemType::DataField && t <= ItemType::GroupBox) ||
         (t >= ItemType::Line && t <= ItemType::ClassChildWindow);
}

bool IsTopLevelWindowType(int t) {
  return t == ItemType::FormWindow || t == ItemType::DialogBox || t == ItemType::TableWindow ||
         t == ItemType::MdiWindow;
}

bool IsWindowScopeType(int t) { return IsTopLevelWindowType(t) || t == ItemType::ChildTable; }

bool IsSiblingScopeType(int t) {
  return t == 28 || t == 70 || t == 124 || t == 173 || t == 278 || t == 279;
}

bool IsGlobalSectionType(int t) { return t == 134 || t == 223 || t == 244 || t == 406; }

bool IsGlobalGroupType(int t) { return t == 52 || t == 81; }

bool IsPathBreakType(int t) { return t == 70 || t == 174; }

bool IsWindowType(int t) { return IsTopLevelWindowType(t) || IsChildWindowType(t); }

}  // namespace ide
