// A DLL that lies beside the tests only: the DLL search test asks for it by name.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  return TRUE;
}
