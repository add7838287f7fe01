// Validated entry: an entry checked against its limits in an edit control
// of the POSIX stand-in, with any limits, system and display style. Each
// input starts from a forgotten stand-in (no controls, no recorded message
// boxes), so the records checked are this call's alone.
#include "fuzz_support.h"

#include <bit>
#include <cstdint>
#include <string_view>

#include "platform/posix/standin.h"

using namespace wqjfuzz;
namespace standin = wqj::platform::standin;

namespace {

bool starts_with(const std::string& s, std::string_view prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WQJ_FUZZ_INIT;
    standin::reset();
    standin::set_quiet(true);
    FuzzedDataProvider in(data, size);
    const float minimum = in.ConsumeBool() ? float_from(in) : 0.0f;
    const float number_maximum = in.ConsumeBool() ? float_from(in) : 1000.0f;
    const float maximum = in.ConsumeBool() ? float_from(in) : 12000.0f;
    const int32_t system = in.ConsumeIntegralInRange<int32_t>(-1, 2);
    const int32_t style = code_from(in);
    const int32_t number_style = in.ConsumeIntegralInRange<int32_t>(-1, 2);
    const int32_t places = code_from(in);
    const std::string text = text_of(in.ConsumeRemainingBytesAsString());

    const wqj::platform::Handle window = standin::create_edit_control(text);
    const float result = CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(window, text.c_str(), minimum, number_maximum,
                                                                maximum, system, style, number_style, places);

    const auto& boxes = standin::message_boxes();
    require(boxes.size() <= 1, "more than one message box for one entry");
    const std::string shown = standin::window_text(window);
    const standin::Selection selection = standin::selection(window);
    require(0 <= selection.start && selection.start <= selection.end &&
                selection.end <= static_cast<int32_t>(shown.size()),
            "selection outside the control's text");
    if (!boxes.empty()) {
        const standin::MessageBoxRecord& box = boxes.front();
        require(box.caption == "Measurement Error", "message box caption");
        require(starts_with(box.text, "The value you have entered for ") ||
                    starts_with(box.text, "The maximum value for this measurement is ") ||
                    starts_with(box.text, "The minimum value for this measurement is "),
                "message box text");
        require(!box.text.empty() && box.text.back() == '.', "message box text does not end with a point");
        require(result == -1.0f || result == 0.0f, "a refused entry returned neither -1 nor 0");
        require(standin::focused_window() == window, "a refused entry did not take the focus");
        require(shown == text, "a refused entry changed the control's text");
    } else {
        // Accepted: the value is the entry's, and the control shows either
        // the entry as typed or a text that reads back as exactly that value:
        // an accepted length is never written back as another.
        int32_t s = 0, e = 0;
        const float parsed = CONVERTTEXTSTRINGVALUETOINCHES(text.c_str(), number_maximum, &s, &e);
        require(result == parsed || (result != result && parsed != parsed), "accepted value differs from the entry's");
        if (shown != text) {
            std::string separated = shown;
            separated.resize(2 * shown.size() + 1, '\0');
            take(SEPARATEMEASUREMENTSINTEXTSTRING(separated.data()));
            const float back = CONVERTTEXTSTRINGVALUETOINCHES(separated.c_str(), 0, &s, &e);
            require(std::bit_cast<uint32_t>(back) == std::bit_cast<uint32_t>(result),
                    "the control shows a text that reads back as another length");
        }
    }
    standin::destroy_edit_control(window);
    return 0;
}
