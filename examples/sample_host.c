/*
 * sample_host.c - a small host of WQJDLL, written as a host program would
 * use the library: it loads the library by name, looks up each export by
 * its name, calls INITIALIZEDLL once, reads what a user typed into inches,
 * writes the inches back as text, frees every text the library returns and,
 * on Windows, validates an entry in a real edit control of its own window.
 *
 *   sample_host [LIBRARY]
 *
 * LIBRARY defaults to "WQJDLL.dll" on Windows and "libwqjdll.so.0" (the
 * library's SONAME) elsewhere. Prints each step; exits 0 when every result
 * is the expected one, 1 on a mismatch, 2 when the library cannot be used.
 */
#include <stdio.h>
#include <string.h>

#include "wqjdll.h"

#ifdef _WIN32
#  include <windows.h>
#  include <oleauto.h>
#  define DEFAULT_LIBRARY "WQJDLL.dll"
typedef HMODULE library_t;
static library_t open_library(const char *name) { return LoadLibraryA(name); }
static void *find_export(library_t lib, const char *name) { return (void *)GetProcAddress(lib, name); }
#else
#  include <dlfcn.h>
#  define DEFAULT_LIBRARY "libwqjdll.so.0"
typedef void *library_t;
static library_t open_library(const char *name) { return dlopen(name, RTLD_NOW | RTLD_LOCAL); }
static void *find_export(library_t lib, const char *name) { return dlsym(lib, name); }
#endif

/* The exports this host calls, typed as wqjdll.h declares them. The checks
 * below stop the build when a type here and the header's declaration part
 * (a calling convention or an argument type): looked up by name, the
 * compiler could not otherwise tell. */
typedef void(WQJ_CALL *initialize_fn)(void);
typedef WQJSTRING(WQJ_CALL *separate_fn)(char *text);
typedef float(WQJ_CALL *to_inches_fn)(const char *text, float maximum, int32_t *error_start, int32_t *error_end);
typedef WQJSTRING(WQJ_CALL *format_fn)(int32_t system, int32_t style, int32_t number_style, float inches,
                                       int32_t places);
typedef float(WQJ_CALL *validate_fn)(void *window, const char *text, float minimum, float number_maximum,
                                     float maximum, int32_t system, int32_t style, int32_t number_style,
                                     int32_t places);
#define SAME_TYPE(fn, type) _Generic(&fn, type: 1, default: 0)
_Static_assert(SAME_TYPE(INITIALIZEDLL, initialize_fn), "INITIALIZEDLL");
_Static_assert(SAME_TYPE(SEPARATEMEASUREMENTSINTEXTSTRING, separate_fn), "SEPARATEMEASUREMENTSINTEXTSTRING");
_Static_assert(SAME_TYPE(CONVERTTEXTSTRINGVALUETOINCHES, to_inches_fn), "CONVERTTEXTSTRINGVALUETOINCHES");
_Static_assert(SAME_TYPE(GETFORMATEDTEXTFROMINCHES, format_fn), "GETFORMATEDTEXTFROMINCHES");
_Static_assert(SAME_TYPE(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG, validate_fn),
               "CONVERTTEXTSTRINGVALUETOINCHESERRORMSG");

/* Host strings are freed with SysFreeString: oleaut32's on Windows (a
 * WINAPI function taking a BSTR), the library's own elsewhere. */
typedef void (*free_string_fn)(WQJSTRING);
typedef uint32_t (*string_length_fn)(WQJSTRING);
#ifdef _WIN32
static void release_ole_string(WQJSTRING s) { SysFreeString((BSTR)s); }
static uint32_t ole_string_length(WQJSTRING s) { return SysStringByteLen((BSTR)s); }
#endif

static int failures = 0;

static void check_text(const char *what, const char *got, const char *expected) {
    if (strcmp(got, expected) == 0) {
        printf("  ok    %s: \"%s\"\n", what, got);
    } else {
        printf("  FAIL  %s: \"%s\", expected \"%s\"\n", what, got, expected);
        ++failures;
    }
}

static void check_number(const char *what, float got, float expected) {
    if (got == expected) {
        printf("  ok    %s: %g\n", what, (double)got);
    } else {
        printf("  FAIL  %s: %g, expected %g\n", what, (double)got, (double)expected);
        ++failures;
    }
}

/* Copies a host string's payload into out (room for size bytes) and frees
 * it. A null handle is empty text. */
static void take(WQJSTRING s, string_length_fn length, free_string_fn release, char *out, size_t size) {
    size_t n = 0;
    if (s != NULL) {
        n = length(s);
        if (n >= size) n = size - 1;
        memcpy(out, s, n);
        release(s);
    }
    out[n] = '\0';
}

#ifdef _WIN32
/* The host dialog's length field: a top-level window of this program with
 * an edit control in it, holding what the user typed. The library checks
 * the entry and, as it is within the field's limits, writes it back in the
 * field's display style. */
static void validate_in_edit_control(separate_fn separate, validate_fn validate, string_length_fn length,
                                     free_string_fn release, const char *typed, float expected_inches,
                                     const char *expected_text) {
    WNDCLASSA wc;
    memset(&wc, 0, sizeof wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "WqjSampleHost";
    if (!RegisterClassA(&wc)) {
        printf("  FAIL  could not register the window class (error %lu)\n", GetLastError());
        ++failures;
        return;
    }
    HWND frame = CreateWindowExA(0, wc.lpszClassName, "WQJDLL sample host", WS_OVERLAPPEDWINDOW, 0, 0, 320, 120,
                                 NULL, NULL, wc.hInstance, NULL);
    HWND field = frame ? CreateWindowExA(0, "EDIT", typed, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                         10, 10, 280, 24, frame, NULL, wc.hInstance, NULL)
                       : NULL;
    if (field == NULL) {
        printf("  FAIL  could not create the edit control (error %lu)\n", GetLastError());
        ++failures;
        if (frame) DestroyWindow(frame);
        return;
    }
    /* The field's text, with the blanks put in as above. */
    char text[256];
    char ignored[256];
    GetWindowTextA(field, text, sizeof text);
    printf("edit control holds \"%s\"\n", text);
    take(separate(text), length, release, ignored, sizeof ignored);
    /* Limits 0.5 to 1200 inches, no per-number maximum; feet and inches
     * with marks, fractions. An accepted entry shows no message box. */
    const float inches = validate(field, text, 0.5f, 0.0f, 1200.0f, SYSTEMIMPERIAL, FORMATFEETINCHESMARKS,
                                  NUMBERSFRACTIONAL, 2);
    check_number("CONVERTTEXTSTRINGVALUETOINCHESERRORMSG accepted", inches, expected_inches);
    GetWindowTextA(field, text, sizeof text);
    check_text("edit control afterwards", text, expected_text);
    DestroyWindow(frame);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}
#endif

int main(int argc, char **argv) {
    const char *name = argc > 1 ? argv[1] : DEFAULT_LIBRARY;
    library_t lib = open_library(name);
    if (lib == NULL) {
        printf("cannot load %s\n", name);
        return 2;
    }
    printf("loaded %s\n", name);

    initialize_fn initialize = (initialize_fn)find_export(lib, "INITIALIZEDLL");
    separate_fn separate = (separate_fn)find_export(lib, "SEPARATEMEASUREMENTSINTEXTSTRING");
    to_inches_fn to_inches = (to_inches_fn)find_export(lib, "CONVERTTEXTSTRINGVALUETOINCHES");
    format_fn format = (format_fn)find_export(lib, "GETFORMATEDTEXTFROMINCHES");
    validate_fn validate = (validate_fn)find_export(lib, "CONVERTTEXTSTRINGVALUETOINCHESERRORMSG");
#ifdef _WIN32
    free_string_fn release = release_ole_string;
    string_length_fn length = ole_string_length;
#else
    free_string_fn release = (free_string_fn)find_export(lib, "SysFreeString");
    string_length_fn length = (string_length_fn)find_export(lib, "SysStringByteLen");
#endif
    if (!initialize || !separate || !to_inches || !format || !validate || !release || !length) {
        printf("%s lacks an export this host needs\n", name);
        return 2;
    }

    initialize();
    printf("INITIALIZEDLL called\n");

    /* What a user typed, without blanks: 6 feet 4 1/2 inches. Unit words
     * are matched between blanks, so the blanks go in first; the library
     * writes the separated text back into the buffer (room to spare). */
    char entry[256] = "6'4 1/2\"";
    char separated[256];
    printf("typed \"%s\"\n", entry);
    take(separate(entry), length, release, separated, sizeof separated);
    check_text("SEPARATEMEASUREMENTSINTEXTSTRING result", separated, "6 ' 4 1/2 \"");
    check_text("SEPARATEMEASUREMENTSINTEXTSTRING buffer", entry, "6 ' 4 1/2 \"");

    int32_t error_start = 0, error_end = 0;
    const float inches = to_inches(entry, 0.0f, &error_start, &error_end);
    check_number("CONVERTTEXTSTRINGVALUETOINCHES", inches, 76.5f);

    char text[256];
    take(format(SYSTEMIMPERIAL, FORMATFEETINCHESWORDS, NUMBERSFRACTIONAL, inches, 16), length, release, text,
         sizeof text);
    check_text("GETFORMATEDTEXTFROMINCHES words", text, "6 Feet 4 1/2 Inches");
    take(format(SYSTEMMETRIC, FORMATMILLIMETERSABBREV, NUMBERSDECIMAL, inches, 1), length, release, text,
         sizeof text);
    check_text("GETFORMATEDTEXTFROMINCHES millimetres", text, "1943 mm");
    /* Zero formats as empty text, which crosses as a null handle. */
    take(format(SYSTEMIMPERIAL, FORMATFEETINCHESMARKS, NUMBERSFRACTIONAL, 0.0f, 16), length, release, text,
         sizeof text);
    check_text("GETFORMATEDTEXTFROMINCHES of 0", text, "");

#ifdef _WIN32
    validate_in_edit_control(separate, validate, length, release, "6'4 1/2\"", 76.5f, "6' 4 1/2\"");
    FreeLibrary(lib);
#else
    dlclose(lib);
#endif

    if (failures != 0) {
        printf("sample host: %d check(s) failed\n", failures);
        return 1;
    }
    printf("sample host: every result as expected\n");
    return 0;
}
