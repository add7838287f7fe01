// Exports of the symbol catalogue. None of them reads global state, so all
// work before INITIALIZEDLL.
#include <string>

#include "catalogue/catalogue.h"
#include "exports/boundary.h"

using namespace wqj::boundary;

// ---- descriptions ------------------------------------------------------------

WQJSTRING WQJ_CALL GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t subcategory) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETDESCRIPTIONFORCATEGORYTYPE(category, subcategory)); });
}

WQJSTRING WQJ_CALL GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETDESCRIPTIONFORDRAWINGTOOLTYPE(tool)); });
}

WQJSTRING WQJ_CALL GETDESCRIPTIONFORWIRETYPE(int32_t wire) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETDESCRIPTIONFORWIRETYPE(wire)); });
}

// ---- item and sub-item names -----------------------------------------------------

WQJSTRING WQJ_CALL GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t plural) {
    return call(WQJSTRING{},
                [&] { return host_string(wqj::GETSYMBOLITEMNAMEFROMTYPE(category, subcategory, item, plural)); });
}

int32_t WQJ_CALL GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t subcategory, char* name) {
    return call(int32_t{0}, [&] {
        std::string_view given;
        if (!rewritable_text_in(name, given)) return int32_t{0};  // nothing is written
        std::string text(given);
        const int32_t item = wqj::GETSYMBOLITEMTYPEFROMNAME(category, subcategory, text);
        // The rewritten name is never longer than the given one. A buffer
        // whose text is already in that form is not written at all.
        if (text != given && text.size() <= given.size()) write_back(name, text);
        return item;
    });
}

WQJSTRING WQJ_CALL GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item,
                                                int32_t sub_item) {
    return call(WQJSTRING{}, [&] {
        return host_string(wqj::GETSYMBOLSUBITEMNAMEFROMTYPE(category, subcategory, item, sub_item));
    });
}

// ---- library file names ------------------------------------------------------------

WQJSTRING WQJ_CALL GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item) {
    return call(WQJSTRING{},
                [&] { return host_string(wqj::GETLIBRARYNAMEFROMCATEGORIES(category, subcategory, item)); });
}

int32_t WQJ_CALL GETCATEGORIESFROMLIBRARYNAME(const char* name, int32_t* category, int32_t* subcategory,
                                              int32_t* item) {
    return call(int32_t{0}, [&] {
        write_to(category, int32_t{-1});
        write_to(subcategory, int32_t{-1});
        write_to(item, int32_t{-1});
        const wqj::LibraryCategories r = wqj::GETCATEGORIESFROMLIBRARYNAME(text_in(name));
        write_to(category, r.category);
        write_to(subcategory, r.subcategory);
        write_to(item, r.item);
        return int32_t{0};
    });
}

int32_t WQJ_CALL ISVALIDLIBRARYNAME(const char* name) {
    return call(int32_t{0}, [&] { return wqj::ISVALIDLIBRARYNAME(text_in(name)); });
}

// ---- code strings ------------------------------------------------------------------

WQJSTRING WQJ_CALL GETSUBCATEGORIESCODESTRING(int32_t category) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETSUBCATEGORIESCODESTRING(category)); });
}

WQJSTRING WQJ_CALL GETITEMTYPESCODESTRING(int32_t category, int32_t subcategory) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETITEMTYPESCODESTRING(category, subcategory)); });
}

WQJSTRING WQJ_CALL GETSUBITEMTYPESCODESTRING(int32_t category, int32_t subcategory, int32_t item) {
    return call(WQJSTRING{},
                [&] { return host_string(wqj::GETSUBITEMTYPESCODESTRING(category, subcategory, item)); });
}

// ---- object classification and wall snap --------------------------------------------

int32_t WQJ_CALL ISOBJECTAWIRE(const char* code) {
    return call(int32_t{0}, [&] { return wqj::ISOBJECTAWIRE(text_in(code)); });
}

int32_t WQJ_CALL ISOBJECTAWALL(const char* code) {
    return call(int32_t{0}, [&] { return wqj::ISOBJECTAWALL(text_in(code)); });
}

int32_t WQJ_CALL ISOBJECTPARTOFTEXTBOX(const char* name) {
    return call(int32_t{0}, [&] { return wqj::ISOBJECTPARTOFTEXTBOX(text_in(name)); });
}

int32_t WQJ_CALL GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item,
                                                      int32_t sub_item) {
    return call(int32_t{0}, [&] {
        return wqj::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(category, subcategory, item, sub_item);
    });
}

int32_t WQJ_CALL GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(void) {
    return call(int32_t{0}, [] { return wqj::GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(); });
}

int32_t WQJ_CALL ISSYMBOLVIEWNUMBERVALID(int32_t view, const char* views) {
    return call(int32_t{0}, [&] { return wqj::ISSYMBOLVIEWNUMBERVALID(view, text_in(views)); });
}

// ---- name rules ------------------------------------------------------------------

WQJSTRING WQJ_CALL GETFOLDERNAMEINVALIDCHARACTERS(void) {
    return call(WQJSTRING{}, [] { return host_string(wqj::GETFOLDERNAMEINVALIDCHARACTERS()); });
}

WQJSTRING WQJ_CALL GETCATEGORYNAMEINVALIDCHARACTERS(void) {
    return call(WQJSTRING{}, [] { return host_string(wqj::GETCATEGORYNAMEINVALIDCHARACTERS()); });
}

WQJSTRING WQJ_CALL GETCIRCUITNAMEINVALIDCHARACTERS(void) {
    return call(WQJSTRING{}, [] { return host_string(wqj::GETCIRCUITNAMEINVALIDCHARACTERS()); });
}

WQJSTRING WQJ_CALL GETSYMBOLNAMEINVALIDCHARACTERS(void) {
    return call(WQJSTRING{}, [] { return host_string(wqj::GETSYMBOLNAMEINVALIDCHARACTERS()); });
}

int32_t WQJ_CALL STRINGCONTAINSCHARACTERS(const char* text, const char* characters) {
    return call(int32_t{0}, [&] { return wqj::STRINGCONTAINSCHARACTERS(text_in(text), text_in(characters)); });
}
