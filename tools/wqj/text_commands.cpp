// wqj field, fields and list: positional fields and delimited lists.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/wqj/commands.h"
#include "wqjdll.h"

namespace wqjtool {
namespace {

int32_t parse_int(const std::string& text, const char* what) {
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX)
        throw UsageError{std::string(what) + " '" + text + "' is not a 32-bit integer"};
    return static_cast<int32_t>(v);
}

// The arguments without the options in `flags` (each taking no value) and
// `valued` (each taking the next argument).
struct Options {
    Args plain;
    std::vector<std::string> set;           // flags given
    std::vector<std::pair<std::string, std::string>> values;
    bool has(const std::string& flag) const {
        for (const auto& s : set)
            if (s == flag) return true;
        return false;
    }
    const std::string* value(const std::string& name) const {
        for (const auto& v : values)
            if (v.first == name) return &v.second;
        return nullptr;
    }
};

Options parse_options(const Args& args, std::initializer_list<const char*> flags,
                      std::initializer_list<const char*> valued) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0 || a == "--") {
            o.plain.push_back(a);
            continue;
        }
        bool known = false;
        for (const char* f : flags)
            if (a == f) o.set.push_back(a), known = true;
        for (const char* v : valued) {
            if (a != v) continue;
            if (i + 1 >= args.size()) throw UsageError{"option '" + a + "' needs a value"};
            o.values.emplace_back(a, args[++i]);
            known = true;
        }
        if (!known) throw UsageError{"unknown option '" + a + "'"};
    }
    return o;
}

int run_field(const Args& args) {
    const Options o = parse_options(args, {}, {"--set"});
    if (o.plain.size() != 3) throw UsageError{"usage: wqj field TEXT DELIM N [--set NEW]"};
    const std::string& text = o.plain[0];
    const std::string& delim = o.plain[1];
    const int32_t position = parse_int(o.plain[2], "position");
    if (const std::string* replacement = o.value("--set")) {
        // Room for the record with the field exchanged.
        std::vector<char> buffer(text.begin(), text.end());
        buffer.resize(text.size() + replacement->size() + 1, '\0');
        const int32_t length =
            SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), position, replacement->c_str(), delim.c_str());
        if (length < 0) {
            std::printf("no field %d (the record has %d)\n", position, PARSECOUNTDLL(text.c_str(), delim.c_str()));
            return 1;
        }
        std::printf("%s\n", std::string(buffer.data(), std::size_t(length)).c_str());
        return 0;
    }
    const std::string field = take(GETSTRINGPARTFROMSTRINGBYPOSITION(text.c_str(), position, delim.c_str()));
    std::printf("%s\n", field.c_str());
    return 0;
}

int run_fields(const Args& args) {
    const Options o = parse_options(args, {}, {});
    if (o.plain.size() != 2) throw UsageError{"usage: wqj fields TEXT DELIM"};
    const char* text = o.plain[0].c_str();
    const char* delim = o.plain[1].c_str();
    const int32_t n = PARSECOUNTDLL(text, delim);
    for (int32_t i = 1; i <= n; ++i)
        std::printf("%5d  [%s]\n", i, take(GETSTRINGPARTFROMSTRINGBYPOSITION(text, i, delim)).c_str());
    return 0;
}

// wqj list create|add|find|remove|numbers ...
int run_list(const Args& args) {
    const Options o = parse_options(args, {"--keep-blanks", "--case"}, {"--delim"});
    const std::string* given = o.value("--delim");
    std::string delim = given ? *given : "";
    delim.resize(std::max<std::size_t>(delim.size(), 1) + 1, '\0');  // room for "," written back
    char* d = delim.data();
    if (o.plain.empty()) throw UsageError{"usage: wqj list create|add|find|remove|numbers ..."};
    const std::string& verb = o.plain[0];
    const Args rest(o.plain.begin() + 1, o.plain.end());

    if (verb == "create") {
        if (rest.size() > 10) throw UsageError{"at most ten items"};
        const char* items[10] = {};
        for (std::size_t i = 0; i < rest.size(); ++i) items[i] = rest[i].c_str();
        std::printf("%s\n", take(CREATEDELIMITEDSTRING(d, items[0], items[1], items[2], items[3], items[4], items[5],
                                                       items[6], items[7], items[8], items[9]))
                                .c_str());
        return 0;
    }
    if (verb == "add") {
        if (rest.size() != 2) throw UsageError{"usage: wqj list add LIST ITEM [--delim D]"};
        std::vector<char> list(rest[0].begin(), rest[0].end());
        list.resize(rest[0].size() + std::string_view(d).size() + 2, '\0');
        std::printf("%s\n", take(ADDTODELIMITEDSTRING(list.data(), rest[1].c_str(), d)).c_str());
        return 0;
    }
    if (verb == "find") {
        if (rest.size() != 2) throw UsageError{"usage: wqj list find LIST ITEM [--delim D] [--keep-blanks] [--case]"};
        const int32_t at = ISSTRINGINDELIMITEDSTRING(rest[0].c_str(), rest[1].c_str(), d,
                                                     o.has("--keep-blanks") ? 1 : 0, o.has("--case") ? 1 : 0);
        if (at == 0) {
            std::printf("not in the list\n");
            return 1;
        }
        std::printf("%d\n", at);
        return 0;
    }
    if (verb == "remove") {
        if (rest.size() != 2) throw UsageError{"usage: wqj list remove LIST N [--delim D]"};
        const int32_t position = parse_int(rest[1], "position");
        std::vector<char> list(rest[0].begin(), rest[0].end());
        list.push_back('\0');
        // This export takes the delimiter as given: "" reads comma-separated values.
        const int32_t removed =
            REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.data(), position, given ? given->c_str() : ",");
        std::printf("%s\n", list.data());
        return removed ? 0 : 1;
    }
    if (verb == "numbers") {
        std::vector<int32_t> values;
        for (const std::string& r : rest) values.push_back(parse_int(r, "number"));
        WQJARRAYDESCRIPTOR array{};
        array.storage = values.data();
        array.flags = values.empty() ? 0 : 4;
        array.kind = 2;
        array.element_type = 10;
        array.dimensions = 1;
        array.element_count = static_cast<int32_t>(values.size());
        array.storage_bytes = static_cast<int32_t>(values.size() * 4);
        array.element_size = 4;
        array.lower_bound = 0;
        array.upper_bound = static_cast<int32_t>(values.size()) - 1;
        std::printf("%s\n", take(CREATEDELIMITEDSTRINGFROMLONGARRAY(d, &array)).c_str());
        return 0;
    }
    throw UsageError{"unknown list action '" + verb + "' (use create, add, find, remove or numbers)"};
}

}  // namespace

void add_text_commands(std::vector<Command>& list) {
    list.push_back({"field", "read or replace one field of a record",
                    "usage: wqj field TEXT DELIM N [--set NEW]\n\n"
                    "Prints field N of TEXT, fields separated by DELIM (any bytes, matched\n"
                    "exactly) and counted from 1; a negative N counts from the end. An empty\n"
                    "DELIM reads comma-separated values with double quotes.\n"
                    "With --set the record is printed with field N replaced by NEW (exit\n"
                    "status 1 when there is no field N).\n",
                    run_field});
    list.push_back({"fields", "list every field of a record",
                    "usage: wqj fields TEXT DELIM\n\n"
                    "Prints each field of TEXT numbered from 1, in brackets so that blanks show.\n",
                    run_fields});
    list.push_back({"list", "build, search and edit delimited lists",
                    "usage: wqj list ACTION ... [--delim D]\n\n"
                    "  create ITEM...        the non-empty items (at most ten) joined\n"
                    "  add LIST ITEM         LIST with ITEM appended\n"
                    "  find LIST ITEM        the position of ITEM (exit status 1 when absent);\n"
                    "                        --case compares case-sensitively, --keep-blanks\n"
                    "                        keeps the items' outer blanks\n"
                    "  remove LIST N         LIST without item N (exit status 1 when none)\n"
                    "  numbers N...          the integers joined\n\n"
                    "The delimiter is \",\" unless --delim is given.\n",
                    run_list});
}

}  // namespace wqjtool
