// Positional fields: a record kept as one line of text, its fields separated
// by a delimiter of the host's choosing and numbered from 1.
//
// The delimiter is an exact, case-sensitive byte sequence of any length; fields
// are the pieces between non-overlapping occurrences found from the left;
// an empty delimiter reads the text as comma-separated values with quotes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/convert.h"
#include "text/search.h"

namespace wqj {

// ---- field services -------------------------------------------------------
// An empty delimiter reads the text as comma-separated values.

int32_t FIELDCOUNT(std::string_view text, std::string_view delimiter);
std::string_view FIELDAT(std::string_view text, std::string_view delimiter, int32_t field);

namespace detail {

// Walks comma-separated values from the left, one field per next(): blanks
// before a field are skipped; a field opened by a double quote is what
// stands up to the next double quote (or the end of the text), and what
// follows that quote up to the next comma is dropped; any other field runs
// to the next comma and loses its trailing blanks. Each field is a view
// into the text. region() is where the field last read stands with all its
// bytes (blanks, quotes and what follows a closing quote): from just after
// the comma before it, or the text's start, up to the comma after it, or
// the text's end.
class CommaSeparatedCursor {
public:
    explicit CommaSeparatedCursor(std::string_view text) : text_(text) {}
    bool next(std::string_view& field);
    std::string_view region() const { return text_.substr(region_start_, region_end_ - region_start_); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t region_start_ = 0;
    std::size_t region_end_ = 0;
    bool done_ = false;
};

// Where field `field` of the text stands (the numbering of FIELDAT), for a
// delimiter that is not empty; nothing outside the record.
struct FieldPlace {
    std::size_t start = 0;
    std::size_t length = 0;
};
std::optional<FieldPlace> field_place(std::string_view text, std::string_view delimiter, int32_t field);
// Where the bytes of field `field` (1 to the field count) of a text read as
// comma-separated values stand: its whole region between the commas that
// separate it (see CommaSeparatedCursor::region); nothing outside the record.
std::optional<FieldPlace> comma_separated_region(std::string_view text, int32_t field);

// Walks the fields of a text from the left, one field per next(), each a
// view into the text: the pieces between non-overlapping delimiter
// occurrences, or with an empty delimiter the comma-separated values
// (quotes removed, outer blanks dropped). The delimiter is searched for
// once per walk, so the whole walk reads the text once.
class FieldCursor {
public:
    FieldCursor(std::string_view text, std::string_view delimiter)
        : text_(text), delim_(delimiter), finder_(delimiter), csv_(text) {}

    bool next(std::string_view& field) {
        if (done_) return false;
        if (!delim_.empty()) {
            const std::size_t hit = finder_.next(text_, pos_);
            if (hit == npos) {
                field = text_.substr(pos_);
                done_ = true;
            } else {
                field = text_.substr(pos_, hit - pos_);
                pos_ = hit + delim_.size();
            }
            return true;
        }
        return csv_.next(field);
    }

private:
    std::string_view text_, delim_;
    Finder finder_;
    CommaSeparatedCursor csv_;
    std::size_t pos_ = 0;
    bool done_ = false;
};

}  // namespace detail

// The number of fields, at least 1.
int32_t PARSECOUNTDLL(std::string_view text, std::string_view delimiter);

// Field `position` (negative counts from the end, -1 the last) as it stands,
// blanks included; empty outside the record. A view into text.
std::string_view GETSTRINGPARTFROMSTRINGBYPOSITION(std::string_view text, int32_t position,
                                                   std::string_view delimiter);

// The numeric value of field `position` (the longest numeric prefix after
// leading blanks, tabs and line feeds); 0 for a missing or non-numeric field.
double GETVALUEFROMSTRINGBYPOSITION(std::string_view text, int32_t position, std::string_view delimiter);

// The record with field `position` (1 to the field count) replaced by
// `field`, rejoined with one delimiter between consecutive fields and
// trimmed of leading and trailing blanks as a whole; nothing for a position
// outside the record. The new field is not escaped: a delimiter inside it
// makes more fields. With an empty delimiter only the bytes between the
// field's separating commas (or the text's ends) are exchanged, so every
// other field keeps its commas, quotes and blanks.
std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION(std::string_view text, int32_t position,
                                                           std::string_view field, std::string_view delimiter);
std::optional<std::string> SETSTRINGPARTINSTRINGBYPOSITION2(std::string_view text, int32_t position,
                                                            std::string_view field, std::string_view delimiter);

namespace detail {

// When the record with field `position` replaced by `field` is exactly
// that: the record's bytes with the field's exchanged, nothing trimmed
// (a position within the record, no blank at either end of the result),
// where the old field's bytes stand; otherwise nothing,
// and the result is the one SETSTRINGPARTINSTRINGBYPOSITION builds.
std::optional<FieldPlace> replaced_field_in_place(std::string_view text, int32_t position, std::string_view field,
                                                  std::string_view delimiter);

}  // namespace detail

}  // namespace wqj
