/*
 * linked_host.c - the other way a host uses WQJDLL: linked against it
 * (the stdcall import library libWQJDLL.dll.a on Windows, -lwqjdll
 * natively) and calling the exports as declared in wqjdll.h. With CMake:
 *
 *   find_package(wqjdll REQUIRED)
 *   target_link_libraries(linked_host PRIVATE wqjdll::wqjdll)
 *
 * Exits 0 when the results are the expected ones, 1 otherwise.
 */
#include <stdio.h>
#include <string.h>

#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#  define FREE_TEXT(s) SysFreeString((BSTR)(s))
#  define TEXT_BYTES(s) SysStringByteLen((BSTR)(s))
#else
#  define FREE_TEXT(s) SysFreeString(s)
#  define TEXT_BYTES(s) SysStringByteLen(s)
#endif

int main(void) {
    INITIALIZEDLL();
    int32_t error_start = 0, error_end = 0;
    const float inches = CONVERTTEXTSTRINGVALUETOINCHES("2 FT 6 IN", 0.0f, &error_start, &error_end);
    WQJSTRING text = GETFORMATEDTEXTFROMINCHES(SYSTEMIMPERIAL, FORMATFEETINCHESDOTABBREV, NUMBERSFRACTIONAL,
                                               inches, 16);
    const char *expected = "2 Ft. 6 In.";
    const int same = text != NULL && TEXT_BYTES(text) == strlen(expected) && memcmp(text, expected, strlen(expected)) == 0;
    printf("linked host: \"2 FT 6 IN\" is %g inches, written back \"%s\"\n", (double)inches, text ? text : "");
    if (text != NULL) FREE_TEXT(text);
    if (inches != 30.0f || !same) {
        printf("linked host: expected 30 inches and \"%s\"\n", expected);
        return 1;
    }
    return 0;
}
