// Exports of the drawing-scale and paper-size tables.
#include "exports/boundary.h"
#include "frame/paper.h"
#include "frame/scale.h"

using namespace wqj::boundary;
using wqj::detail::Margin;

// ---- drawing scales -----------------------------------------------------------

float WQJ_CALL GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t entry) {
    return call(0.0f, [&] { return wqj::GETSCALERATIOVALUE(system, part, entry); });
}

int32_t WQJ_CALL GETINDEXFORSCALERATIOVALUES(int32_t system, float drawing, float real) {
    return call(int32_t{-1}, [&] { return wqj::GETINDEXFORSCALERATIOVALUES(system, drawing, real); });
}

float WQJ_CALL GETINCHESPERFOOTFROMSCALERATIO(float drawing, float real) {
    return call(0.0f, [&] { return wqj::GETINCHESPERFOOTFROMSCALERATIO(drawing, real); });
}

int32_t WQJ_CALL GETNEARESTSCALERATIOVALUE(int32_t system, double ratio) {
    return call(int32_t{1}, [&] { return wqj::GETNEARESTSCALERATIOVALUE(system, ratio); });
}

float WQJ_CALL GETCONVERTEDSCALEVALUE(int32_t system, float value) {
    return call(0.0f, [&] { return wqj::GETCONVERTEDSCALEVALUE(system, value); });
}

// ---- paper sizes --------------------------------------------------------------

int32_t WQJ_CALL SIZEPAPERINFOARRAY(int32_t upper_bound) {
    return call(int32_t{-1}, [&] { return wqj::SIZEPAPERINFOARRAY(upper_bound); });
}

int32_t WQJ_CALL GETUBPAPERINFOARRAY(void) {
    return call(int32_t{-1}, [] { return wqj::GETUBPAPERINFOARRAY(); });
}

void WQJ_CALL SETPAPERINFOITEM(int32_t row, const char* name, float width, float height, float top_margin,
                               float bottom_margin, float left_margin, float right_margin) {
    call_void([&] {
        wqj::SETPAPERINFOITEM(row, text_in(name), width, height, top_margin, bottom_margin, left_margin,
                              right_margin);
    });
}

void WQJ_CALL GETPAPERINFOITEM(int32_t row, char* name, float* width, float* height, float* top_margin,
                               float* bottom_margin, float* left_margin, float* right_margin) {
    call_void([&] {
        const wqj::PaperRow r = wqj::GETPAPERINFOITEM(row);
        write_back(name, r.name);  // at most 16 bytes and a NUL
        write_to(width, r.width);
        write_to(height, r.height);
        write_to(top_margin, r.top);
        write_to(bottom_margin, r.bottom);
        write_to(left_margin, r.left);
        write_to(right_margin, r.right);
    });
}

WQJSTRING WQJ_CALL GETPAPERINFONAME(int32_t row) {
    return call(WQJSTRING{}, [&] { return host_string(wqj::GETPAPERINFONAME(row)); });
}

int32_t WQJ_CALL GETPAPERINFONAMELENGTH(int32_t row) {
    return call(int32_t{0}, [&] { return wqj::GETPAPERINFONAMELENGTH(row); });
}

float WQJ_CALL GETPAPERINFOWIDTH(int32_t row, int32_t orientation) {
    return call(0.0f, [&] { return wqj::GETPAPERINFOWIDTH(row, orientation); });
}

float WQJ_CALL GETPAPERINFOHEIGHT(int32_t row, int32_t orientation) {
    return call(0.0f, [&] { return wqj::GETPAPERINFOHEIGHT(row, orientation); });
}

void WQJ_CALL SETPAPERINFOWIDTH(int32_t row, float value) {
    call_void([&] { wqj::SETPAPERINFOWIDTH(row, value); });
}

void WQJ_CALL SETPAPERINFOHEIGHT(int32_t row, float value) {
    call_void([&] { wqj::SETPAPERINFOHEIGHT(row, value); });
}

float WQJ_CALL GETPAPERINFOTOPMARGIN(int32_t row) {
    return call(0.0f, [&] { return wqj::detail::paper_margin(row, Margin::Top); });
}

float WQJ_CALL GETPAPERINFOBOTTOMMARGIN(int32_t row) {
    return call(0.0f, [&] { return wqj::detail::paper_margin(row, Margin::Bottom); });
}

float WQJ_CALL GETPAPERINFOLEFTMARGIN(int32_t row) {
    return call(0.0f, [&] { return wqj::detail::paper_margin(row, Margin::Left); });
}

float WQJ_CALL GETPAPERINFORIGHTMARGIN(int32_t row) {
    return call(0.0f, [&] { return wqj::detail::paper_margin(row, Margin::Right); });
}

void WQJ_CALL SETPAPERINFOTOPMARGIN(int32_t row, float value) {
    call_void([&] { wqj::detail::set_paper_margin(row, Margin::Top, value); });
}

void WQJ_CALL SETPAPERINFOBOTTOMMARGIN(int32_t row, float value) {
    call_void([&] { wqj::detail::set_paper_margin(row, Margin::Bottom, value); });
}

void WQJ_CALL SETPAPERINFOLEFTMARGIN(int32_t row, float value) {
    call_void([&] { wqj::detail::set_paper_margin(row, Margin::Left, value); });
}

void WQJ_CALL SETPAPERINFORIGHTMARGIN(int32_t row, float value) {
    call_void([&] { wqj::detail::set_paper_margin(row, Margin::Right, value); });
}

int32_t WQJ_CALL GETPAPERINDEXFROMPAPERNAME(char* name) {
    return call(int32_t{-1}, [&] {
        std::string_view given;
        if (!rewritable_text_in(name, given)) return int32_t{-1};  // nothing is written
        const wqj::PaperNameMatch match = wqj::GETPAPERINDEXFROMPAPERNAME(given);
        // The normalised name is never longer than the text given, so it
        // fits the caller's buffer; it is written back in every case.
        write_back(name, match.normalised);
        return match.row;
    });
}

int32_t WQJ_CALL GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height, int32_t* orientation) {
    return call(int32_t{-1}, [&] {
        const wqj::PaperSizeMatch match = wqj::GETPAPERINDEXFROMPAPERSIZE(system, width, height);
        if (match.row >= 0) write_to(orientation, match.orientation);
        return match.row;
    });
}
