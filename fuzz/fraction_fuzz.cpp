// Fractions: splitting, converting, reducing, reading and extracting.
#include "fuzz_support.h"

using namespace wqjfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    FuzzedDataProvider in(data, size);
    const int32_t denominator = code_from(in);
    const int32_t from_end = in.ConsumeIntegral<int32_t>() % 3;
    const float value = float_from(in);
    const std::string text = text_of(in.ConsumeRemainingBytesAsString());

    {
        // The separator buffer holds exactly the slash and its NUL.
        Buffer separator("", 2);
        int32_t whole = 0, numerator = 0, denom = 0;
        BREAKFRACTIONAPART(text.c_str(), &whole, &numerator, &denom, separator.get());
        BREAKFRACTIONAPART(text.c_str(), nullptr, nullptr, nullptr, nullptr);
        require(separator.terminated(), "separator buffer lost its NUL");
    }

    take(CONVERTFRACTIONDENOMINATOR(text.c_str(), denominator));
    take(REDUCEFRACTION(text.c_str(), denominator));
    take(DECIMALTOFRACTIONSTRING(value, denominator));
    FRACTIONSTRINGTODECIMAL(text.c_str());

    {
        // The remainder buffer holds a copy of the text: the contract's size.
        Buffer remainder(text, text.size() + 1);
        int32_t length = -1;
        float found_value = 0;
        const std::string found = take(EXTRACTFRACTIONINTEXTSTRING(text.c_str(), from_end, remainder.get(), &length, &found_value));
        require(remainder.text().size() == text.size(), "remainder buffer not padded to its entry length");
        require(length >= 0 && static_cast<std::size_t>(length) <= text.size(), "remainder length out of range");
        if (found.empty()) require(length == 0, "no fraction but a remainder length");
        take(EXTRACTFRACTIONINTEXTSTRING(text.c_str(), from_end, nullptr, nullptr, nullptr));
    }
    return 0;
}
