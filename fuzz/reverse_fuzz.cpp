// Reversal and the numeric test: any bytes, NUL included for host strings.
#include "fuzz_support.h"

using namespace wqjfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // A host string carries its length, so NUL bytes are part of it.
    WQJSTRING original = bytes.empty() ? nullptr : SysAllocStringByteLen(bytes.data(), static_cast<uint32_t>(size));
    WQJSTRING once = REVERSESTRINGDLL(original);
    WQJSTRING twice = REVERSESTRINGDLL(once);
    const std::string reversed = take(once);
    require(reversed.size() == bytes.size(), "REVERSESTRINGDLL changed the length");
    require(take(twice) == bytes, "REVERSESTRINGDLL twice does not give the input");
    take(original);

    const std::string text = text_of(bytes);
    WQJSTRING r = REVERSESTRING(text.c_str());
    const std::string rtext = take(REVERSESTRING(take(r).c_str()));
    require(rtext == text, "REVERSESTRING twice does not give the input");

    const int32_t numeric = ISNUMERICDLL(text.c_str());
    require(numeric == 0 || numeric == 1, "ISNUMERICDLL answered neither 0 nor 1");
    return 0;
}
