/* A small DLL for the PE writer's loader test: it has code with relocations, an exported
   function and a resource section followed by its relocation section, as the linker lays them
   out. The test writes a project into a copy of it and loads the copy. */
#include <windows.h>

__declspec(dllexport) int tavorin_test_answer(void) { return 42; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return TRUE;
}
