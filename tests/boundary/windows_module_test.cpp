// WQJDLL.dll as Windows sees it: its export directory, its imports and the
// stdcall convention of every export, read from the loaded module.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "boundary/loaded_library.h"

namespace {

struct ExportRow {
    int ordinal;
    const char* name;
    int argument_bytes;
    const char* result;
};

const ExportRow kExports[] = {
#define WQJ_EXPORT(ordinal, name, bytes, result, types, names) {ordinal, #name, bytes, result},
#include "wqj_export_list.inc"
#undef WQJ_EXPORT
};

const unsigned char* image() { return static_cast<const unsigned char*>(wqjtest::library_handle()); }

const IMAGE_NT_HEADERS32* nt_headers() {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image());
    return reinterpret_cast<const IMAGE_NT_HEADERS32*>(image() + dos->e_lfanew);
}

template <class T>
const T* at(DWORD rva) {
    return reinterpret_cast<const T*>(image() + rva);
}

TEST(WindowsModule, IsA32BitX86Dll) {
    const IMAGE_NT_HEADERS32* nt = nt_headers();
    EXPECT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_TRUE(nt->FileHeader.Characteristics & IMAGE_FILE_DLL);
}

TEST(WindowsModule, ExportDirectoryHoldsExactlyTheTableWithAlphabeticalOrdinals) {
    const auto& dir_entry = nt_headers()->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    ASSERT_NE(dir_entry.VirtualAddress, 0u);
    const auto* dir = at<IMAGE_EXPORT_DIRECTORY>(dir_entry.VirtualAddress);
    EXPECT_STREQ(at<char>(dir->Name), "WQJDLL.dll");
    EXPECT_EQ(dir->Base, 1u);
    ASSERT_EQ(dir->NumberOfNames, std::size(kExports));
    ASSERT_EQ(dir->NumberOfFunctions, std::size(kExports));
    const auto* names = at<DWORD>(dir->AddressOfNames);
    const auto* ordinals = at<WORD>(dir->AddressOfNameOrdinals);
    for (DWORD i = 0; i < dir->NumberOfNames; ++i) {
        const char* name = at<char>(names[i]);
        SCOPED_TRACE(name);
        EXPECT_STREQ(name, kExports[i].name);
        EXPECT_EQ(ordinals[i] + dir->Base, static_cast<DWORD>(kExports[i].ordinal));
        // Undecorated: no leading underscore, no @n suffix.
        EXPECT_EQ(std::strchr(name, '@'), nullptr);
        EXPECT_NE(name[0], '_');
        auto* module = static_cast<HMODULE>(wqjtest::library_handle());
        EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(kExports[i].ordinal)), GetProcAddress(module, name));
    }
}

TEST(WindowsModule, ImportsOnlyWindowsSystemDlls) {
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "oleaut32.dll", "ole32.dll",
                                           "shell32.dll",  "msvcrt.dll", "advapi32.dll"};
    const auto& dir_entry = nt_headers()->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(dir_entry.VirtualAddress, 0u);
    std::vector<std::string> imported;
    for (const auto* d = at<IMAGE_IMPORT_DESCRIPTOR>(dir_entry.VirtualAddress); d->Name != 0; ++d) {
        std::string name = at<char>(d->Name);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        imported.push_back(name);
        EXPECT_TRUE(system.count(name)) << "imports " << name;
    }
    EXPECT_TRUE(std::count(imported.begin(), imported.end(), "oleaut32.dll")) << "host strings come from OLE";
}

}  // namespace

// Calls `function` with `words` 32-bit arguments and gives the difference of
// the stack pointer before the arguments were pushed and after the call
// returned: 0 when the callee removed its arguments (stdcall).
extern "C" uint32_t wqj_stack_delta(void* function, const uint32_t* arguments, uint32_t words,
                                    uint32_t floating_result, uint32_t* eax);
__asm__(R"(
    .text
    .globl _wqj_stack_delta
_wqj_stack_delta:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %edi
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  call *8(%ebp)
    movl %edi, %ebx
    subl %esp, %ebx
    movl %edi, %esp
    movl 24(%ebp), %ecx
    movl %eax, (%ecx)
    cmpl $0, 20(%ebp)
    je 3f
    fstp %st(0)
3:  movl %ebx, %eax
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

// Every export, called with all-zero arguments (null pointers, zero numbers),
// removes exactly its own arguments from the stack and does not crash.
TEST(WindowsModule, EveryExportRemovesItsArgumentsFromTheStack) {
    const uint32_t zeros[16] = {};
    for (const ExportRow& row : kExports) {
        SCOPED_TRACE(row.name);
        void* function = wqjtest::find_export(row.name);
        ASSERT_NE(function, nullptr);
        const bool floating = std::strcmp(row.result, "f32") == 0 || std::strcmp(row.result, "f64") == 0;
        ASSERT_LE(row.argument_bytes, static_cast<int>(sizeof zeros));
        uint32_t eax = 0;
        EXPECT_EQ(wqj_stack_delta(function, zeros, row.argument_bytes / 4, floating, &eax), 0u);
        if (std::strcmp(row.result, "hstr") == 0) wqjtest::take(reinterpret_cast<WQJSTRING>(eax));
    }
}

}  // namespace
