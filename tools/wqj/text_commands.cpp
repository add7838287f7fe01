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

// Field N of a record with `count` fields exists when 1 <= |N| <= count.
void expect_field(int32_t position, int32_t count, const char* what) {
    const long long n = position < 0 ? -static_cast<long long>(position) : position;
    if (n < 1 || n > count) {
        throw Failure{std::string("no ") + what + " " + std::to_string(position) + " (there " +
                      (count == 1 ? "is 1)" : "are " + std::to_string(count) + ")")};
    }
}

void print_result(const char* action, const std::string& result) {
    if (json_output) emit(JsonObject{}.text("action", action).text("result", result));
    else std::printf("%s\n", result.c_str());
}

int run_field(const Args& args) {
    const Cli cli(args, {}, {"--set"}, 0);
    cli.expect(3, 3, "wqj field TEXT DELIM N [--set NEW]");
    const std::string& text = cli.plain[0];
    const std::string& delim = cli.plain[1];
    const int32_t position = integer_arg(cli.plain[2], "position");
    const int32_t count = PARSECOUNTDLL(text.c_str(), delim.c_str());
    expect_field(position, count, "field");
    if (const std::string* replacement = cli.value("--set")) {
        // The replacing export counts from the start only.
        if (position < 1) {
            throw Failure{"field " + std::to_string(position) + " cannot be replaced: --set takes a position from 1 to " +
                          std::to_string(count) + ", counted from the start"};
        }
        // Room for the record with the field exchanged.
        std::vector<char> buffer(text.begin(), text.end());
        buffer.resize(text.size() + replacement->size() + 1, '\0');
        const int32_t length =
            SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), position, replacement->c_str(), delim.c_str());
        if (length < 0) throw Failure{"field " + std::to_string(position) + " was not replaced"};
        print_result("set", std::string(buffer.data(), std::size_t(length)));
        return 0;
    }
    print_result("field", take(GETSTRINGPARTFROMSTRINGBYPOSITION(text.c_str(), position, delim.c_str())));
    return 0;
}

int run_fields(const Args& args) {
    const Cli cli(args, {}, {}, 0);
    cli.expect(2, 2, "wqj fields TEXT DELIM");
    const char* text = cli.plain[0].c_str();
    const char* delim = cli.plain[1].c_str();
    const int32_t n = PARSECOUNTDLL(text, delim);
    for (int32_t i = 1; i <= n; ++i) {
        const std::string field = take(GETSTRINGPARTFROMSTRINGBYPOSITION(text, i, delim));
        if (json_output) emit(JsonObject{}.integer("position", i).text("field", field));
        else std::printf("%5d  [%s]\n", i, field.c_str());
    }
    return 0;
}

// wqj list create|add|find|remove|numbers ...
int run_list(const Args& args) {
    const Cli o(args, {"--keep-blanks", "--case"}, {"--delim"}, 1);
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
        print_result("create", take(CREATEDELIMITEDSTRING(d, items[0], items[1], items[2], items[3], items[4], items[5],
                                                          items[6], items[7], items[8], items[9])));
        return 0;
    }
    if (verb == "add") {
        if (rest.size() != 2) throw UsageError{"usage: wqj list add LIST ITEM [--delim D]"};
        std::vector<char> list(rest[0].begin(), rest[0].end());
        list.resize(rest[0].size() + std::string_view(d).size() + 2, '\0');
        print_result("add", take(ADDTODELIMITEDSTRING(list.data(), rest[1].c_str(), d)));
        return 0;
    }
    if (verb == "find") {
        if (rest.size() != 2) throw UsageError{"usage: wqj list find LIST ITEM [--delim D] [--keep-blanks] [--case]"};
        const int32_t at = ISSTRINGINDELIMITEDSTRING(rest[0].c_str(), rest[1].c_str(), d,
                                                     o.has("--keep-blanks") ? 1 : 0, o.has("--case") ? 1 : 0);
        if (at == 0) throw Failure{"not in the list"};
        if (json_output) emit(JsonObject{}.text("action", "find").integer("position", at));
        else std::printf("%d\n", at);
        return 0;
    }
    if (verb == "remove") {
        if (rest.size() != 2) throw UsageError{"usage: wqj list remove LIST N [--delim D]"};
        const int32_t position = integer_arg(rest[1], "position");
        std::vector<char> list(rest[0].begin(), rest[0].end());
        list.push_back('\0');
        // This export takes the delimiter as given: "" reads comma-separated values.
        const int32_t removed =
            REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.data(), position, given ? given->c_str() : ",");
        if (!removed) {
            throw Failure{"no item " + std::to_string(position) + " (the list has " +
                          std::to_string(PARSECOUNTDLL(rest[0].c_str(), given ? given->c_str() : ",")) + ")"};
        }
        print_result("remove", list.data());
        return 0;
    }
    if (verb == "numbers") {
        std::vector<int32_t> values;
        for (const std::string& r : rest) values.push_back(integer_arg(r, "number"));
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
        print_result("numbers", take(CREATEDELIMITEDSTRINGFROMLONGARRAY(d, &array)));
        return 0;
    }
    throw UsageError{"unknown list action " + brief(verb) + " (use create, add, find, remove or numbers)"};
}

}  // namespace

void add_text_commands(std::vector<Command>& list) {
    list.push_back({"field", "read or replace one field of a record",
                    "usage: wqj field TEXT DELIM N [--set NEW]\n\n"
                    "Prints field N of TEXT, fields separated by DELIM (any bytes, matched\n"
                    "exactly) and counted from 1; a negative N counts from the end. An empty\n"
                    "DELIM reads comma-separated values with double quotes. TEXT may be -\n"
                    "(standard input) or given as --file PATH.\n"
                    "With --set the record is printed with field N replaced by NEW; N is then\n"
                    "1 to the number of fields (the library replaces no field counted from\n"
                    "the end).\n"
                    "Exit status 1, with a message, when there is no field N.\n",
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
                    "LIST may be - (standard input) or given as --file PATH.\n"
                    "  numbers N...          the integers joined\n\n"
                    "The delimiter is \",\" unless --delim is given.\n",
                    run_list});
}

}  // namespace wqjtool
