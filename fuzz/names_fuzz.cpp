// Catalogue names and object codes, paper names and paths.
#include "fuzz_support.h"

using namespace wqjfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    FuzzedDataProvider in(data, size);
    const int32_t category = code_from(in);
    const int32_t subcategory = code_from(in);
    const int32_t item = code_from(in);
    const int32_t sub_item = code_from(in);
    const std::string other = text_from(in, 32);
    const std::string text = text_of(in.ConsumeRemainingBytesAsString());

    take(GETLIBRARYNAMEFROMCATEGORIES(category, subcategory, item));
    int32_t c = 0, s = 0, i = 0;
    GETCATEGORIESFROMLIBRARYNAME(text.c_str(), &c, &s, &i);
    GETCATEGORIESFROMLIBRARYNAME(text.c_str(), nullptr, nullptr, nullptr);
    const int32_t valid = ISVALIDLIBRARYNAME(text.c_str());
    require(valid == 0 || valid == 1, "ISVALIDLIBRARYNAME answered neither 0 nor 1");

    take(GETDESCRIPTIONFORCATEGORYTYPE(category, subcategory));
    take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(category));
    take(GETDESCRIPTIONFORWIRETYPE(category));
    take(GETSYMBOLITEMNAMEFROMTYPE(category, subcategory, item, sub_item));
    take(GETSYMBOLSUBITEMNAMEFROMTYPE(category, subcategory, item, sub_item));
    take(GETSUBCATEGORIESCODESTRING(category));
    take(GETITEMTYPESCODESTRING(category, subcategory));
    take(GETSUBITEMTYPESCODESTRING(category, subcategory, item));
    GETOBJECTWALLSNAPINDEXFROMCATEGORIES(category, subcategory, item, sub_item);
    ISOBJECTAWIRE(text.c_str());
    ISOBJECTAWALL(text.c_str());
    ISOBJECTPARTOFTEXTBOX(text.c_str());
    ISSYMBOLVIEWNUMBERVALID(category, text.c_str());
    STRINGCONTAINSCHARACTERS(text.c_str(), other.c_str());
    take(GETEXPORTFILENAME(text.c_str(), category, subcategory));

    {
        // The rewritten name is never longer than the text the buffer held.
        Buffer name(text, text.size() + 1);
        GETSYMBOLITEMTYPEFROMNAME(category, subcategory, name.get());
        require(name.terminated(), "item name buffer lost its NUL");
    }
    {
        Buffer name(text, text.size() + 1);
        const int32_t row = GETPAPERINDEXFROMPAPERNAME(name.get());
        require(row >= -1, "paper row below -1");
        require(name.text().size() <= text.size(), "normalised paper name longer than the text");
    }
    {
        // A paper name comes back in 16 bytes and a NUL.
        Buffer name("", 17);
        float w, h, t, b, l, r;
        GETPAPERINFOITEM(category, name.get(), &w, &h, &t, &b, &l, &r);
        take(GETPAPERINFONAME(category));
    }

    const std::string directory = take(GETDIRECTORYFROMPATH(text.c_str()));
    const std::string drive = take(GETDRIVEFROMPATH(text.c_str()));
    const std::string file = take(GETFILENAMEFROMPATH(text.c_str()));
    const std::string rest = take(REMOVEFILENAMEFROMFULLPATH(text.c_str()));
    require(directory.size() <= text.size() && drive.size() <= text.size() && file.size() <= text.size() &&
                rest.size() <= text.size(),
            "a path part longer than the path");
    return 0;
}
