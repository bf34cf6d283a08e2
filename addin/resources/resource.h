// Resource ids of the add-in: the search dialog's template and its controls.
// An include guard rather than #pragma once: the resource script includes
// this file too.
#ifndef OLVAREN_RESOURCES_RESOURCE_H
#define OLVAREN_RESOURCES_RESOURCE_H

#define IDD_MASSFINDER          101

#define IDC_FIND                1000
#define IDC_PATTERN             1001
#define IDC_MATCH_CASE          1002
#define IDC_WHOLE_WORD          1003
#define IDC_IGNORE_INCLUDES     1004
#define IDC_ONLY_MARKED         1005
#define IDC_IGNORE_COMMENTS     1006

#endif  // OLVAREN_RESOURCES_RESOURCE_H
