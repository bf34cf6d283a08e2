// Registration of the stand-in's system window classes: the standard
// controls ("Button", "Edit", "Static", "ComboBox"), the tree view
// ("SysTreeView32") and the dialog class ("#32770"), with the window
// procedures that implement them.
#pragma once

#include <windows.h>

namespace standin {

// Registers the system classes once; later calls do nothing. The window
// manager may call it at start-up or when CreateWindowExA meets a class it
// does not know.
void RegisterSystemClasses();

LRESULT CALLBACK ButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TreeViewWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace standin
