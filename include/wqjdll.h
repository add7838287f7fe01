/*
 * wqjdll.h - the public interface of WQJDLL, the measurement, scale, paper,
 * catalogue and text services library of the floor-plan and wiring-plan
 * drawing program.
 *
 * This file is made from exports/exports.txt; edit that table, not this file.
 *
 * Conventions for every export (116 declared here):
 *  - Windows: stdcall (WINAPI), exported by undecorated upper-case name.
 *  - Integers are 32-bit signed; floating arguments are float or double as
 *    declared and are not interchangeable.
 *  - Text arguments are NUL-terminated 8-bit text; NULL counts as "". The
 *    library reads at most 16,777,216 bytes of one argument.
 *  - A `char *` argument is a caller's buffer the export may write a result
 *    text into, followed by a NUL; the caller provides room for it.
 *  - A WQJSTRING result is a newly allocated OLE string whose payload is
 *    8-bit text: its byte count stands in the 4 bytes before the pointer and
 *    a NUL follows the payload. The caller frees it with SysFreeString.
 *    Empty text is returned as NULL.
 *  - Nothing is raised across the boundary; failure shows in results.
 *  - The host's floating-point modes are never changed by a call.
 *
 * Call INITIALIZEDLL once after loading, before any measurement, scale or
 * paper export.
 */
#ifndef WQJDLL_H
#define WQJDLL_H

#include <stdint.h>

#ifdef _WIN32
#  define WQJ_CALL __stdcall
#  ifdef WQJDLL_BUILDING
#    define WQJ_IMPORT
#  else
#    define WQJ_IMPORT __declspec(dllimport)
#  endif
#else
#  define WQJ_CALL
#  define WQJ_IMPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
#  define WQJ_API extern "C" WQJ_IMPORT
#else
#  define WQJ_API extern WQJ_IMPORT
#endif

/* A host string: an OLE string (BSTR) whose payload is 8-bit text. Read its
 * byte count with SysStringByteLen and free it with SysFreeString. */
typedef char *WQJSTRING;

/* A rectangle in drawing coordinates (y grows upward), 32 bytes. */
typedef struct RECTDOUBLE {
    double X1;
    double Y1;
    double X2;
    double Y2;
} RECTDOUBLE;

/* The descriptor of a one-dimensional array of 32-bit integers, as taken
 * by CREATEDELIMITEDSTRINGFROMLONGARRAY. On 32-bit Windows this is exactly
 * the 32-byte record the host's runtime lays out; natively the fields keep
 * their order with natural alignment. */
typedef struct WQJARRAYDESCRIPTOR {
    int32_t *storage;       /* element with the lower bound */
    uint8_t flags;          /* 4 set: storage is allocated */
    uint8_t kind;           /* 2 */
    uint8_t element_type;   /* 10: 32-bit integers */
    uint8_t dimensions;     /* 1 */
    int32_t element_count;
    int32_t storage_bytes;
    int32_t reserved;
    int32_t element_size;   /* 4 */
    int32_t lower_bound;
    int32_t upper_bound;
} WQJARRAYDESCRIPTOR;

/* Code constants. */
enum {
    /* measurement systems */
    SYSTEMIMPERIAL = 0,
    SYSTEMMETRIC = 1,
    /* unit indexes */
    UNITMETERSORYARDS = 0,
    UNITDECIMETERSORFEET = 1,
    UNITCENTIMETERSORINCHES = 2,
    UNITMILLIMETERS = 3,
    /* imperial display styles */
    FORMATFEETINCHESWORDS = 0,
    FORMATFEETINCHESDOTABBREV = 1,
    FORMATFEETINCHESABBREV = 2,
    FORMATFEETWORDS = 3,
    FORMATFEETDOTABBREV = 4,
    FORMATFEETABBREV = 5,
    FORMATFEETINCHESMARKS = 6,
    FORMATFEETINCHESMARKSDASH = 7,
    FORMATFEETMARK = 8,
    FORMATINCHESWORDS = 9,
    FORMATINCHESDOTABBREV = 10,
    FORMATINCHESABBREV = 11,
    FORMATINCHESMARK = 12,
    FORMATINCHESPLAIN = 13,
    /* metric display styles */
    FORMATMETERSMILLIMETERSWORDS = 0,
    FORMATMETERSMILLIMETERSABBREV = 1,
    FORMATMETERSWORDS = 2,
    FORMATMETERSABBREV = 3,
    FORMATMILLIMETERSABBREV = 4,
    FORMATMILLIMETERSPLAIN = 5,
    FORMATMETERSCENTIMETERSABBREV = 6,
    /* number styles */
    NUMBERSFRACTIONAL = 0,
    NUMBERSDECIMAL = 1,
    /* imperial label kinds */
    LABELFEETWORD = 0,
    LABELINCHESWORD = 1,
    LABELFTABBREV = 2,
    LABELINABBREV = 3,
    LABELFTDOTABBREV = 4,
    LABELINDOTABBREV = 5,
    LABELFEETMARK = 6,
    LABELINCHESMARK = 7,
    /* metric label kinds */
    LABELMETERSWORD = 0,
    LABELMILLIMETERSWORD = 1,
    LABELMABBREV = 2,
    LABELMMABBREV = 3,
    LABELCMABBREV = 4,
    /* numbers above the maximum */
    ERRORMETERS = -1,
    ERRORYARDS = -2,
    ERRORDECIMETERS = -3,
    ERRORFEET = -4,
    ERRORCENTIMETERS = -5,
    ERRORINCHES = -6,
    ERRORMILLIMETERS = -7,
    /* conversion kinds */
    CONVERTTOFEET = 0,
    CONVERTTOMETERS = 1
};

#ifndef _WIN32
/* Natively there is no OLE: the library provides the three OLE string
 * functions a host needs, with the same layout (byte count in the 4 bytes
 * before the payload, a NUL after it; NULL is empty text). On Windows use
 * the real ones from oleaut32 (cast WQJSTRING to BSTR). */
WQJ_API WQJSTRING SysAllocStringByteLen(const char *text, uint32_t length);
WQJ_API void SysFreeString(WQJSTRING string);
WQJ_API uint32_t SysStringByteLen(WQJSTRING string);
#endif

#define WQJ_PI 3.141592653589793
#define WQJ_MILLIMETERSPERINCH 25.400051

/* ---- Library frame ---- */
WQJ_API int32_t WQJ_CALL LIBMAIN(void *instance, int32_t reason, void *reserved);
WQJ_API void WQJ_CALL INITIALIZEDLL(void);

/* ---- Units and designators ---- */
WQJ_API double WQJ_CALL INCHESTOMILLIMETERS(double inches);
WQJ_API float WQJ_CALL MILLIMETERSTOINCHES(float millimeters);
WQJ_API void WQJ_CALL SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places);
WQJ_API WQJSTRING WQJ_CALL GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index, int32_t plain);
WQJ_API WQJSTRING WQJ_CALL GETMEASUREMENTLABEL(int32_t system, int32_t kind, float value);
WQJ_API float WQJ_CALL CONVERTMEASUREMENT(float inches, int32_t kind);

/* ---- Fractions ---- */
WQJ_API void WQJ_CALL BREAKFRACTIONAPART(const char *text, int32_t *whole, int32_t *numerator, int32_t *denominator, char *separator);
WQJ_API WQJSTRING WQJ_CALL CONVERTFRACTIONDENOMINATOR(const char *text, int32_t new_denominator);
WQJ_API WQJSTRING WQJ_CALL REDUCEFRACTION(const char *text, int32_t largest_denominator);
WQJ_API WQJSTRING WQJ_CALL DECIMALTOFRACTIONSTRING(float value, int32_t largest_denominator);
WQJ_API float WQJ_CALL FRACTIONSTRINGTODECIMAL(const char *text);
WQJ_API WQJSTRING WQJ_CALL EXTRACTFRACTIONINTEXTSTRING(const char *text, int32_t from_end, char *remainder, int32_t *remainder_length, float *value);

/* ---- Measurement text parsing ---- */
WQJ_API int32_t WQJ_CALL ISVALIDMEASUREMENTNUMERICALCHARACTER(const char *text);
WQJ_API int32_t WQJ_CALL ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(int32_t system, const char *text);
WQJ_API WQJSTRING WQJ_CALL SEPARATEMEASUREMENTSINTEXTSTRING(char *text);
WQJ_API float WQJ_CALL GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t system, WQJSTRING text, int32_t position, int32_t from_end, int32_t *start, int32_t *end);
WQJ_API float WQJ_CALL CONVERTTEXTSTRINGVALUETOINCHES(const char *text, float maximum, int32_t *error_start, int32_t *error_end);

/* ---- Measurement formatting ---- */
WQJ_API void WQJ_CALL GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places, float *big, float *mid, float *small);
WQJ_API WQJSTRING WQJ_CALL GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t style, int32_t number_style, float inches, int32_t places);

/* ---- Validated measurement entry ---- */
WQJ_API float WQJ_CALL CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(void *window, const char *text, float minimum, float number_maximum, float maximum, int32_t system, int32_t style, int32_t number_style, int32_t places);

/* ---- Reversal and numeric test ---- */
WQJ_API WQJSTRING WQJ_CALL REVERSESTRINGDLL(WQJSTRING text);
WQJ_API WQJSTRING WQJ_CALL REVERSESTRING(const char *text);
WQJ_API int32_t WQJ_CALL ISNUMERICDLL(const char *text);

/* ---- Drawing-scale table ---- */
WQJ_API float WQJ_CALL GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t entry);
WQJ_API int32_t WQJ_CALL GETINDEXFORSCALERATIOVALUES(int32_t system, float drawing_value, float real_value);
WQJ_API float WQJ_CALL GETINCHESPERFOOTFROMSCALERATIO(float drawing_value, float real_value);
WQJ_API int32_t WQJ_CALL GETNEARESTSCALERATIOVALUE(int32_t system, double ratio);
WQJ_API float WQJ_CALL GETCONVERTEDSCALEVALUE(int32_t system, float value);

/* ---- Paper-size table ---- */
WQJ_API int32_t WQJ_CALL SIZEPAPERINFOARRAY(int32_t upper_bound);
WQJ_API int32_t WQJ_CALL GETUBPAPERINFOARRAY(void);
WQJ_API void WQJ_CALL SETPAPERINFOITEM(int32_t row, const char *name, float width, float height, float top_margin, float bottom_margin, float left_margin, float right_margin);
WQJ_API void WQJ_CALL GETPAPERINFOITEM(int32_t row, char *name, float *width, float *height, float *top_margin, float *bottom_margin, float *left_margin, float *right_margin);
WQJ_API WQJSTRING WQJ_CALL GETPAPERINFONAME(int32_t row);
WQJ_API int32_t WQJ_CALL GETPAPERINFONAMELENGTH(int32_t row);
WQJ_API float WQJ_CALL GETPAPERINFOWIDTH(int32_t row, int32_t orientation);
WQJ_API float WQJ_CALL GETPAPERINFOHEIGHT(int32_t row, int32_t orientation);
WQJ_API void WQJ_CALL SETPAPERINFOWIDTH(int32_t row, float value);
WQJ_API void WQJ_CALL SETPAPERINFOHEIGHT(int32_t row, float value);
WQJ_API float WQJ_CALL GETPAPERINFOTOPMARGIN(int32_t row);
WQJ_API float WQJ_CALL GETPAPERINFOBOTTOMMARGIN(int32_t row);
WQJ_API float WQJ_CALL GETPAPERINFOLEFTMARGIN(int32_t row);
WQJ_API float WQJ_CALL GETPAPERINFORIGHTMARGIN(int32_t row);
WQJ_API void WQJ_CALL SETPAPERINFOTOPMARGIN(int32_t row, float value);
WQJ_API void WQJ_CALL SETPAPERINFOBOTTOMMARGIN(int32_t row, float value);
WQJ_API void WQJ_CALL SETPAPERINFOLEFTMARGIN(int32_t row, float value);
WQJ_API void WQJ_CALL SETPAPERINFORIGHTMARGIN(int32_t row, float value);
WQJ_API int32_t WQJ_CALL GETPAPERINDEXFROMPAPERNAME(char *name);
WQJ_API int32_t WQJ_CALL GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height, int32_t *orientation);

/* ---- Positional fields ---- */
WQJ_API int32_t WQJ_CALL PARSECOUNTDLL(const char *text, const char *delimiter);
WQJ_API WQJSTRING WQJ_CALL GETSTRINGPARTFROMSTRINGBYPOSITION(const char *text, int32_t position, const char *delimiter);
WQJ_API double WQJ_CALL GETVALUEFROMSTRINGBYPOSITION(const char *text, int32_t position, const char *delimiter);
WQJ_API int32_t WQJ_CALL SETSTRINGPARTINSTRINGBYPOSITION(char *text, int32_t position, const char *field, const char *delimiter);
WQJ_API int32_t WQJ_CALL SETSTRINGPARTINSTRINGBYPOSITION2(char *text, int32_t position, const char *field, const char *delimiter);

/* ---- Delimited lists ---- */
WQJ_API WQJSTRING WQJ_CALL CREATEDELIMITEDSTRING(char *delimiter, const char *item1, const char *item2, const char *item3, const char *item4, const char *item5, const char *item6, const char *item7, const char *item8, const char *item9, const char *item10);
WQJ_API WQJSTRING WQJ_CALL ADDTODELIMITEDSTRING(char *list, const char *item, char *delimiter);
WQJ_API int32_t WQJ_CALL ISSTRINGINDELIMITEDSTRING(const char *list, const char *item, char *delimiter, int32_t keep_blanks, int32_t case_sensitive);
WQJ_API int32_t WQJ_CALL REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(char *list, int32_t position, const char *delimiter);
WQJ_API WQJSTRING WQJ_CALL STRIPNULL(const char *text);
WQJ_API WQJSTRING WQJ_CALL CREATEDELIMITEDSTRINGFROMLONGARRAY(char *delimiter, WQJARRAYDESCRIPTOR *array);

/* ---- Catalogue ---- */
WQJ_API WQJSTRING WQJ_CALL GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t subcategory);
WQJ_API WQJSTRING WQJ_CALL GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool);
WQJ_API WQJSTRING WQJ_CALL GETDESCRIPTIONFORWIRETYPE(int32_t wire);
WQJ_API WQJSTRING WQJ_CALL GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t plural);
WQJ_API int32_t WQJ_CALL GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t subcategory, char *name);
WQJ_API WQJSTRING WQJ_CALL GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t subcategory, int32_t item, int32_t sub_item);
WQJ_API WQJSTRING WQJ_CALL GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item);
WQJ_API int32_t WQJ_CALL GETCATEGORIESFROMLIBRARYNAME(const char *name, int32_t *category, int32_t *subcategory, int32_t *item);
WQJ_API int32_t WQJ_CALL ISVALIDLIBRARYNAME(const char *name);
WQJ_API WQJSTRING WQJ_CALL GETSUBCATEGORIESCODESTRING(int32_t category);
WQJ_API WQJSTRING WQJ_CALL GETITEMTYPESCODESTRING(int32_t category, int32_t subcategory);
WQJ_API WQJSTRING WQJ_CALL GETSUBITEMTYPESCODESTRING(int32_t category, int32_t subcategory, int32_t item);
WQJ_API int32_t WQJ_CALL ISOBJECTAWIRE(const char *code);
WQJ_API int32_t WQJ_CALL ISOBJECTAWALL(const char *code);
WQJ_API int32_t WQJ_CALL ISOBJECTPARTOFTEXTBOX(const char *name);
WQJ_API int32_t WQJ_CALL GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t subcategory, int32_t item, int32_t sub_item);
WQJ_API int32_t WQJ_CALL GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(void);
WQJ_API int32_t WQJ_CALL ISSYMBOLVIEWNUMBERVALID(int32_t view, const char *views);
WQJ_API WQJSTRING WQJ_CALL GETFOLDERNAMEINVALIDCHARACTERS(void);
WQJ_API WQJSTRING WQJ_CALL GETCATEGORYNAMEINVALIDCHARACTERS(void);
WQJ_API WQJSTRING WQJ_CALL GETCIRCUITNAMEINVALIDCHARACTERS(void);
WQJ_API WQJSTRING WQJ_CALL GETSYMBOLNAMEINVALIDCHARACTERS(void);
WQJ_API int32_t WQJ_CALL STRINGCONTAINSCHARACTERS(const char *text, const char *characters);

/* ---- Angles, rectangles and bits ---- */
WQJ_API double WQJ_CALL REDUCETO360DEGREEANGLE(double angle, int32_t allow_360);
WQJ_API double WQJ_CALL ADDANGLEOFFSET(double angle, double offset);
WQJ_API double WQJ_CALL ROTATEDEGREESVALUE(double angle, double delta);
WQJ_API double WQJ_CALL ROTATERADIANSVALUE(double angle, double delta);
WQJ_API double WQJ_CALL ROTATETONEXTDEGREEVALUE(double angle, double step);
WQJ_API int32_t WQJ_CALL ANGLEPASSEDTHROUGHZERO(double angle, double delta);
WQJ_API double WQJ_CALL GETOFFSETFROMANGLES(double from_angle, double to_angle, int32_t mode, double maximum);
WQJ_API void WQJ_CALL SETRECTLOWERLEFTJUSTIFIED(double *x1, double *y1, double *x2, double *y2);
WQJ_API int32_t WQJ_CALL ISPOINTINRECTDOUBLE(double x, double y, RECTDOUBLE *rect, int32_t exclusive);
WQJ_API int32_t WQJ_CALL RECTINRECT(RECTDOUBLE *outer, RECTDOUBLE *inner);
WQJ_API int32_t WQJ_CALL ISVALUEINLONGARRAY(int32_t value, int32_t *elements, int32_t last_index, int32_t first_index);
WQJ_API int32_t WQJ_CALL GETTOTALBITSSET(int32_t value, int32_t bit_count);
WQJ_API int32_t WQJ_CALL GETFIRSTBITSET(int32_t value, int32_t start_bit, int32_t bit_count);
WQJ_API int32_t WQJ_CALL EXAMINEBIT(int32_t *value, int32_t bit);
WQJ_API void WQJ_CALL CLEARBIT(int32_t *value, int32_t bit);
WQJ_API void WQJ_CALL SETBIT(int32_t *value, int32_t bit);
WQJ_API void WQJ_CALL TOGGLEBIT(int32_t *value, int32_t bit);
WQJ_API int32_t WQJ_CALL SHIFTBITSLEFT(int32_t value, int32_t count);
WQJ_API int32_t WQJ_CALL SHIFTBITSRIGHT(int32_t value, int32_t count);
WQJ_API void WQJ_CALL ROTATEBITSLEFT(void *byte, int32_t count);
WQJ_API void WQJ_CALL ROTATEBITSRIGHT(void *byte, int32_t count);

/* ---- Paths, special folders, input state and random identifiers ---- */
WQJ_API WQJSTRING WQJ_CALL GETSPECIALFOLDERLOCATION(int32_t folder);
WQJ_API WQJSTRING WQJ_CALL GETDIRECTORYFROMPATH(const char *path);
WQJ_API WQJSTRING WQJ_CALL GETDRIVEFROMPATH(const char *path);
WQJ_API WQJSTRING WQJ_CALL GETFILENAMEFROMPATH(const char *path);
WQJ_API WQJSTRING WQJ_CALL REMOVEFILENAMEFROMFULLPATH(const char *path);
WQJ_API WQJSTRING WQJ_CALL GETEXPORTFILENAME(const char *base_name, int32_t category_type, int32_t number);
WQJ_API int32_t WQJ_CALL GETMOUSEBUTTON(void *window);
WQJ_API int32_t WQJ_CALL GETKEYSTATE(int32_t virtual_key);
WQJ_API void WQJ_CALL RANDOMIZEDLLGENERATOR(void);
WQJ_API int32_t WQJ_CALL GETRANDOMLONGVALUE(void);
WQJ_API int32_t WQJ_CALL GETUNIQUERECORDID(int32_t *identifiers, int32_t upper_index);

#endif /* WQJDLL_H */
