#include "frame/paper.h"

#include <new>

#include "measure/units.h"
#include "text/convert.h"

namespace wqj {

namespace {

struct DefaultPaper {
    const char* name;
    float width;
    float height;
};

// Rows 0 to 26 and row 40; rows 27 to 39 are empty. Portrait width x height.
constexpr DefaultPaper kNamedPapers[] = {
    {"Generic Letter", 8.5f, 11},    {"Generic Legal", 8.5f, 14},     {"Generic Ledger", 8.5f, 17},
    {"Generic D", 17, 22},           {"Generic F", 22, 34},           {"Generic G", 34, 44},
    {"Generic H", 28, 40},           {"Generic I", 11, 42},           {"Generic J", 28, 48},
    {"Generic K", 34, 48},           {"Generic L", 40, 48},           {"Generic 2A0", 46.81f, 66.22f},
    {"Generic A0", 33.11f, 46.81f},  {"Generic A1", 23.39f, 33.11f},  {"Generic A2", 16.54f, 23.39f},
    {"Generic A3", 11.69f, 16.54f},  {"Generic A4", 8.27f, 11.69f},   {"Generic A5", 5.83f, 8.27f},
    {"Generic A6", 4.13f, 5.83f},    {"Generic A7", 2.91f, 4.13f},    {"Generic B0", 40.48f, 57.32f},
    {"Generic B1", 28.66f, 40.48f},  {"Generic B2", 20.24f, 28.66f},  {"Generic B3", 14.33f, 20.24f},
    {"Generic B4", 10.12f, 14.33f},  {"Generic B5", 7.17f, 10.12f},   {"Generic B6", 5.04f, 7.17f},
};
constexpr int32_t kFirstEmptyRow = 27;
constexpr int32_t kCustomRow = 40;
constexpr float kDefaultMargin = 0.5f;

PAPERINFO* row_at(int32_t row) {
    auto& table = globals().PAPERINFOARRAY;
    if (!table || row < 0 || static_cast<std::size_t>(row) >= table->size()) return nullptr;
    return &(*table)[static_cast<std::size_t>(row)];
}

std::string_view stored_name(const PAPERINFO& paper) { return {paper.Name.data(), paper.Name.size()}; }

}  // namespace

void detail::write_default_paper_rows(std::vector<PAPERINFO>& table) {
    // Written through the same steps as SETPAPERINFOITEM; rows beyond a
    // smaller table's upper bound are skipped.
    const auto rows = static_cast<int32_t>(table.size());
    auto write = [&](int32_t row, std::string_view name, float w, float h, float margin) {
        if (row >= rows) return;
        PAPERINFO& p = table[static_cast<std::size_t>(row)];
        p.Name.fill(' ');
        name.copy(p.Name.data(), p.Name.size());
        p.Width = w;
        p.Height = h;
        p.TopMargin = p.BottomMargin = p.LeftMargin = p.RightMargin = margin;
    };
    for (int32_t row = 0; row < kFirstEmptyRow; ++row) {
        write(row, kNamedPapers[row].name, kNamedPapers[row].width, kNamedPapers[row].height, kDefaultMargin);
    }
    for (int32_t row = kFirstEmptyRow; row < kCustomRow; ++row) write(row, "", 0, 0, 0);
    write(kCustomRow, "Generic Custom", 8.5f, 11, kDefaultMargin);
}

int32_t SIZEPAPERINFOARRAY(int32_t upper_bound) {
    auto& table = globals().PAPERINFOARRAY;
    if (!table && upper_bound >= 0 && upper_bound <= kLargestPaperUpperBound) {
        try {
            table.emplace(static_cast<std::size_t>(upper_bound) + 1);
        } catch (const std::bad_alloc&) {
            table.reset();  // nothing is created
        }
    }
    return GETUBPAPERINFOARRAY();
}

int32_t GETUBPAPERINFOARRAY() {
    const auto& table = globals().PAPERINFOARRAY;
    return table ? static_cast<int32_t>(table->size()) - 1 : -1;
}

void SETPAPERINFOITEM(int32_t row, std::string_view name, float width, float height, float top, float bottom,
                      float left, float right) {
    PAPERINFO* p = row_at(row);
    if (p == nullptr) return;
    // The name is stored cut or blank-padded to 16 bytes, as given.
    p->Name.fill(' ');
    name.substr(0, p->Name.size()).copy(p->Name.data(), p->Name.size());
    p->Width = width;
    p->Height = height;
    p->TopMargin = top;
    p->BottomMargin = bottom;
    p->LeftMargin = left;
    p->RightMargin = right;
}

PaperRow GETPAPERINFOITEM(int32_t row) {
    const PAPERINFO* p = row_at(row);
    if (p == nullptr) return {};
    return {std::string(detail::trim_blanks(stored_name(*p))), p->Width, p->Height, p->TopMargin,
            p->BottomMargin, p->LeftMargin, p->RightMargin};
}

std::string GETPAPERINFONAME(int32_t row) {
    const PAPERINFO* p = row_at(row);
    return p == nullptr ? std::string() : std::string(detail::trim_blanks(stored_name(*p)));
}

int32_t GETPAPERINFONAMELENGTH(int32_t row) {
    const PAPERINFO* p = row_at(row);
    return p == nullptr ? 0 : static_cast<int32_t>(detail::trim_blanks(stored_name(*p)).size());
}

float GETPAPERINFOWIDTH(int32_t row, int32_t orientation) {
    const PAPERINFO* p = row_at(row);
    if (p == nullptr) return 0;
    return orientation == 2 ? p->Height : p->Width;
}

float GETPAPERINFOHEIGHT(int32_t row, int32_t orientation) {
    const PAPERINFO* p = row_at(row);
    if (p == nullptr) return 0;
    return orientation == 2 ? p->Width : p->Height;
}

void SETPAPERINFOWIDTH(int32_t row, float value) {
    if (PAPERINFO* p = row_at(row)) p->Width = value;
}

void SETPAPERINFOHEIGHT(int32_t row, float value) {
    if (PAPERINFO* p = row_at(row)) p->Height = value;
}

namespace {
float* margin_field(PAPERINFO& p, detail::Margin margin) {
    switch (margin) {
        case detail::Margin::Top: return &p.TopMargin;
        case detail::Margin::Bottom: return &p.BottomMargin;
        case detail::Margin::Left: return &p.LeftMargin;
        case detail::Margin::Right: return &p.RightMargin;
    }
    return &p.TopMargin;
}
}  // namespace

float detail::paper_margin(int32_t row, Margin margin) {
    PAPERINFO* p = row_at(row);
    return p == nullptr ? 0.0f : *margin_field(*p, margin);
}

void detail::set_paper_margin(int32_t row, Margin margin, float value) {
    if (PAPERINFO* p = row_at(row)) *margin_field(*p, margin) = value;
}

PaperNameMatch GETPAPERINDEXFROMPAPERNAME(std::string_view name) {
    PaperNameMatch match;
    match.normalised = UPPERCASETEXT(detail::trim_blanks(name));
    const auto& table = globals().PAPERINFOARRAY;
    if (!table) return match;
    for (std::size_t row = 0; row < table->size(); ++row) {
        if (UPPERCASETEXT(detail::trim_blanks(stored_name((*table)[row]))) == match.normalised) {
            match.row = static_cast<int32_t>(row);
            break;
        }
    }
    return match;
}

PaperSizeMatch GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height) {
    const auto& table = globals().PAPERINFOARRAY;
    if (!table) return {};
    for (std::size_t row = 0; row < table->size(); ++row) {
        float w = (*table)[row].Width;
        float h = (*table)[row].Height;
        if (system == SYSTEMMETRIC) {
            w = static_cast<float>(INCHESTOMILLIMETERS(w));
            h = static_cast<float>(INCHESTOMILLIMETERS(h));
        }
        if (w == width && h == height) return {static_cast<int32_t>(row), 1};
        if (h == width && w == height) return {static_cast<int32_t>(row), 2};
    }
    return {};
}

}  // namespace wqj
