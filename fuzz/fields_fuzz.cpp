// Positional fields and delimited lists.
#include <algorithm>

#include "fuzz_support.h"
#include "tests/int32_array.h"

using namespace wqjfuzz;

namespace {

// The delimiter buffer: its text, and room for the "," an empty one becomes.
Buffer delimiter_buffer(const std::string& delimiter) {
    return Buffer(delimiter, std::max<std::size_t>(delimiter.size() + 1, 2));
}

void replace_field(const std::string& record, int32_t position, const std::string& field, const std::string& delimiter,
                   bool second) {
    auto replace = second ? SETSTRINGPARTINSTRINGBYPOSITION2 : SETSTRINGPARTINSTRINGBYPOSITION;
    // First learn the new length with a roomy buffer, then call again with a
    // buffer of exactly the size the result needs (or the record's, if larger).
    Buffer roomy(record, record.size() + field.size() + 1);
    const int32_t length = replace(roomy.get(), position, field.c_str(), delimiter.c_str());
    if (length < 0) {
        require(length == -1, "replacing answered a negative length other than -1");
        require(roomy.text() == record, "a refused replacement touched the buffer");
        return;
    }
    require(static_cast<std::size_t>(length) <= record.size() + field.size(), "replacement longer than promised");
    const std::string result = roomy.text();
    require(result.size() == static_cast<std::size_t>(length), "returned length differs from the buffer's text");
    Buffer exact(record, std::max(record.size(), result.size()) + 1);
    require(replace(exact.get(), position, field.c_str(), delimiter.c_str()) == length, "second call differs");
    require(exact.text() == result, "second call wrote different text");

    // Reading the field back gives the new one when nothing can move the
    // field boundaries: a one-byte delimiter other than a blank, absent from
    // the field, and no blanks at the field's ends (the record is trimmed).
    if (delimiter.size() == 1 && delimiter[0] != ' ' && field.find(delimiter[0]) == std::string::npos &&
        (field.empty() || (field.front() != ' ' && field.back() != ' '))) {
        const std::string back = take(GETSTRINGPARTFROMSTRINGBYPOSITION(result.c_str(), position, delimiter.c_str()));
        require(back == field, "a replaced field does not read back");
    }
    // Comma-separated values keep their commas and quotes: a new field with
    // neither leaves the record with as many fields.
    if (delimiter.empty() && field.find_first_of(",\"") == std::string::npos)
        require(PARSECOUNTDLL(result.c_str(), "") == PARSECOUNTDLL(record.c_str(), ""),
                "a replaced comma-separated field changed the number of fields");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    FuzzedDataProvider in(data, size);
    const int32_t position = code_from(in);
    const bool flag_a = in.ConsumeBool();
    const bool flag_b = in.ConsumeBool();
    const std::string delimiter = text_from(in, 4);
    const std::string field = text_from(in, 16);
    std::string items[10];
    for (auto& item : items) item = text_from(in, 8);
    const std::string text = text_of(in.ConsumeRemainingBytesAsString());

    const int32_t count = PARSECOUNTDLL(text.c_str(), delimiter.c_str());
    require(count >= 1, "PARSECOUNTDLL below 1");
    take(GETSTRINGPARTFROMSTRINGBYPOSITION(text.c_str(), position, delimiter.c_str()));
    GETVALUEFROMSTRINGBYPOSITION(text.c_str(), position, delimiter.c_str());
    replace_field(text, position, field, delimiter, flag_a);

    {
        Buffer d = delimiter_buffer(delimiter);
        take(CREATEDELIMITEDSTRING(d.get(), items[0].c_str(), items[1].c_str(), items[2].c_str(), items[3].c_str(),
                                   items[4].c_str(), items[5].c_str(), items[6].c_str(), items[7].c_str(),
                                   items[8].c_str(), items[9].c_str()));
        if (delimiter.empty()) require(d.text() == ",", "an empty delimiter was not written back as ','");
    }
    {
        // The list buffer gains the delimiter that was used.
        Buffer d = delimiter_buffer(delimiter);
        Buffer list(text, text.size() + std::max<std::size_t>(delimiter.size(), 1) + 1);
        const std::string added = take(ADDTODELIMITEDSTRING(list.get(), field.c_str(), d.get()));
        require(added.compare(0, list.text().size(), list.text()) == 0, "list buffer is not the start of the new list");
    }
    {
        Buffer d = delimiter_buffer(delimiter);
        const int32_t found = ISSTRINGINDELIMITEDSTRING(text.c_str(), field.c_str(), d.get(), flag_a, flag_b);
        require(found >= 0, "a list search answered a negative position");
    }
    {
        Buffer list(text, text.size() + 1);
        const int32_t removed = REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.get(), position, delimiter.c_str());
        require(removed == 0 || removed == 1, "removal answered neither 0 nor 1");
    }
    const std::string stripped = take(STRIPNULL(text.c_str()));
    require(stripped.size() <= text.size(), "STRIPNULL lengthened its text");

    {
        int32_t elements[8];
        for (auto& e : elements) e = in.ConsumeIntegral<int32_t>();
        WQJARRAYDESCRIPTOR array = wqjtest::int32_array(elements, static_cast<int32_t>(position & 7) + 1);
        Buffer d = delimiter_buffer(delimiter);
        take(CREATEDELIMITEDSTRINGFROMLONGARRAY(d.get(), &array));
    }
    return 0;
}
