/*
 * Reads WQJDLL.dll's version resource back as Windows reads it
 * (GetFileVersionInfoA, VerQueryValueA) and checks it against the project
 * version the build was made with. Exits 0 when every value matches.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static int failures = 0;

static void expect_text(const char *what, const char *got, const char *expected) {
    if (got != NULL && strcmp(got, expected) == 0) {
        printf("  ok    %s \"%s\"\n", what, got);
    } else {
        printf("  FAIL  %s \"%s\", expected \"%s\"\n", what, got ? got : "(missing)", expected);
        ++failures;
    }
}

static void expect_word(const char *what, DWORD got, DWORD expected) {
    if (got == expected) {
        printf("  ok    %s 0x%08lx\n", what, (unsigned long)got);
    } else {
        printf("  FAIL  %s 0x%08lx, expected 0x%08lx\n", what, (unsigned long)got, (unsigned long)expected);
        ++failures;
    }
}

/* The string value `name` of the first translation the resource lists. */
static const char *string_value(void *info, const char *name) {
    struct { WORD language; WORD code_page; } *translation = NULL;
    UINT size = 0;
    if (!VerQueryValueA(info, "\\VarFileInfo\\Translation", (void **)&translation, &size) || size < 4)
        return NULL;
    char query[128];
    snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
             translation->code_page, name);
    char *value = NULL;
    if (!VerQueryValueA(info, query, (void **)&value, &size) || size == 0) return NULL;
    return value;
}

int main(void) {
    /* The DLL a host would load by that name: beside this program. */
    HMODULE lib = LoadLibraryA("WQJDLL.dll");
    char path[MAX_PATH];
    if (lib == NULL || GetModuleFileNameA(lib, path, sizeof path) == 0) {
        printf("cannot load WQJDLL.dll\n");
        return 1;
    }
    printf("%s\n", path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) {
        printf("  FAIL  no version resource (error %lu)\n", (unsigned long)GetLastError());
        return 1;
    }
    void *info = malloc(size);
    if (info == NULL || !GetFileVersionInfoA(path, 0, size, info)) {
        printf("  FAIL  GetFileVersionInfoA (error %lu)\n", (unsigned long)GetLastError());
        return 1;
    }

    VS_FIXEDFILEINFO *fixed = NULL;
    UINT fixed_size = 0;
    if (!VerQueryValueA(info, "\\", (void **)&fixed, &fixed_size) || fixed_size < sizeof *fixed) {
        printf("  FAIL  no fixed version information\n");
        return 1;
    }
    const DWORD high = MAKELONG(WQJ_EXPECTED_MINOR, WQJ_EXPECTED_MAJOR);
    const DWORD low = MAKELONG(WQJ_EXPECTED_TWEAK, WQJ_EXPECTED_PATCH);
    expect_word("signature", fixed->dwSignature, 0xFEEF04BD);
    expect_word("file version (high)", fixed->dwFileVersionMS, high);
    expect_word("file version (low)", fixed->dwFileVersionLS, low);
    expect_word("product version (high)", fixed->dwProductVersionMS, high);
    expect_word("product version (low)", fixed->dwProductVersionLS, low);
    expect_word("file type", fixed->dwFileType, VFT_DLL);
    expect_word("flags", fixed->dwFileFlags & fixed->dwFileFlagsMask, 0);

    expect_text("FileVersion", string_value(info, "FileVersion"), WQJ_EXPECTED_VERSION);
    expect_text("ProductVersion", string_value(info, "ProductVersion"), WQJ_EXPECTED_VERSION);
    expect_text("OriginalFilename", string_value(info, "OriginalFilename"), "WQJDLL.dll");
    expect_text("ProductName", string_value(info, "ProductName"), "WQJDLL");
    const char *description = string_value(info, "FileDescription");
    if (description == NULL || description[0] == '\0') {
        printf("  FAIL  FileDescription is missing\n");
        ++failures;
    } else {
        printf("  ok    FileDescription \"%s\"\n", description);
    }
    free(info);
    FreeLibrary(lib);
    return failures == 0 ? 0 : 1;
}
