// The catalogue tables. Texts are the catalogue's own, exactly as the host
// shows them (capitalisation and spelling included).
#include "catalogue/tables.h"

#include <array>
#include <string>
#include <vector>

#include "text/convert.h"

namespace wqj::catalogue {
namespace {

constexpr Subcategories kAllSubcategories = in({0, 1, 2, 3, 4, 5});

// ---- descriptions ------------------------------------------------------------

constexpr CategoryRow kCategories[] = {
    {1, 0, "Floor Plan"},
    {1, 1, "Walls/Windows/Doors"},
    {1, 2, "Electrical Appliances"},
    {1, 3, "Plumbing Fixtures"},
    {1, 4, "Power"},
    {1, 5, "Structured"},
    {1, 6, "Rulers"},
    {2, kAnySubcategory, "Document"},
    {3, kAnySubcategory, "Invoice"},
    {4, kAnySubcategory, "Estimate"},
    {5, kAnySubcategory, "Inventory Item"},
    {6, kAnySubcategory, "Label"},
};

// Tool types from 1.
constexpr std::string_view kToolNames = "Line|Polyline|Rectangle|Circle|Ellipse|Arc|Text|Label|Image|Dimension|Box";
// Wire types from 1; they are also the sub-item types of the wire item.
constexpr std::string_view kWireNames = "Curved|Straight|Sweeping";

// ---- items -----------------------------------------------------------------

constexpr ItemRow kItems[] = {
    // Shared item types. Item type 235 is written in capitals in subcategory 2.
    {in({2}), kGeneralItem, "GENERAL", "GENERAL"},
    {in({4}), kGeneralItem, "General", "General"},
    {kAllSubcategories, kArrowItem, "Arrows", "Arrow"},
    {kAllSubcategories, kDrawingShapeItem, "Drawing Shapes", "Drawing Shape"},
    {in({4, 5}), kWireItem, "Wires", "Wire"},
    {in({1, 2, 3, 4, 5}), kGraphicObjectItem, "Graphic Objects", "Graphic Object"},
    // Subcategory 1: walls, windows and doors.
    {in({1}), 1, "Walls", "Wall"},
    {in({1}), 2, "Windows", "Window"},
    {in({1}), 3, "Doors", "Door"},
    {in({1}), 4, "Stairways", "Stairway"},
    // Subcategory 2: electrical appliances.
    {in({2}), 1, "Ranges", "Range"},
    {in({2}), 2, "Refrigerators", "Refrigerator"},
    {in({2}), 3, "Washers", "Washer"},
    {in({2}), 4, "Dryers", "Dryer"},
    {in({2}), 5, "Furnaces", "Furnace"},
    {in({2}), 6, "Dish Washers", "Dish Washer"},
    {in({2}), 7, "Trash Compactors", "Trash Compactor"},
    {in({2}), 8, "Hot Water Heaters", "Hot Water Heater"},
    {in({2}), 9, "Garbage Disposals", "Garbage Disposal"},
    {in({2}), 10, "Central Vacuums", "Central Vacuum"},
    {in({2}), 11, "Hot Tubs", "Hot Tub"},
    {in({2}), 12, "Pumping Units", "Pumping Unit"},
    {in({2}), 13, "Heat Pumps", "Heat Pump"},
    {in({2}), 14, "A/C Units", "A/C Unit"},
    // Subcategory 3: plumbing fixtures.
    {in({3}), 1, "Showers", "Shower"},
    {in({3}), 2, "Bath Tubs", "Bath Tub"},
    {in({3}), 3, "Toilets", "Toilet"},
    {in({3}), 4, "Sinks", "Sink"},
    // Subcategory 4: power.
    {in({4}), 1, "Receptacles", "Receptacle"},
    {in({4}), 2, "Switches", "Switch"},
    {in({4}), 3, "Heaters", "Heater"},
    {in({4}), 4, "Lights", "Light"},
    {in({4}), 5, "Fans", "Fan"},
    {in({4}), 6, "Detectors", "Detector"},
    {in({4}), 7, "Outlets", "Outlet"},
    {in({4}), 8, "Home Runs", "Home Run"},
    {in({4}), 9, "Junction Boxes", "Junction Box"},
    {in({4}), 10, "Pumps", "Pump"},
    {in({4}), 11, "Thermostats", "Thermostat"},
    {in({4}), 12, "Grounding", "Grounding"},
    {in({4}), 13, "Motors", "Motor"},
    {in({4}), 14, "Generators", "Generator"},
    {in({4}), 15, "Transformers", "Transformer"},
    {in({4}), 16, "Meters", "Meter"},
    {in({4}), 17, "Alarms", "Alarm"},
    {in({4}), 18, "Intercoms", "Intercom"},
    {in({4}), 19, "Cameras", "Camera"},
    {in({4}), 20, "Modems", "Modem"},
    {in({4}), 21, "Network Routers", "Network Router"},
    {in({4}), 22, "Sensors", "Sensor"},
    {in({4}), 23, "Door Openers", "Door Opener"},
    {in({4}), 24, "Door Strikes", "Door Strike"},
    {in({4}), 25, "Control Panels", "Control Panel"},
    {in({4}), 26, "Keypads", "Keypad"},
    {in({4}), 27, "Surge Protectors", "Surge Protector"},
    {in({4}), 28, "Battery Backups (UPS)", "Battery Backups (UPS)"},
    {in({4}), 29, "Network Switches", "Network Switch"},
    {in({4}), 30, "Network Hubs", "Network Hub"},
    {in({4}), 31, "Service Panels", "Service Panel"},
    {in({4}), 32, "Relays", "Relay"},
    {in({4}), 33, "Motor Starters", "Motor Starter"},
    // Subcategory 5: structured wiring.
    {in({5}), 1, "Telephone Jacks", "Telephone Jack"},
    {in({5}), 2, "Telephone Terminals", "Telephone Terminal"},
    {in({5}), 3, "Network Jacks", "Network Jack"},
    {in({5}), 4, "Network Routers", "Network Router"},
    {in({5}), 5, "Cable Jacks", "Cable Jack"},
    {in({5}), 6, "Cable Splitters", "Cable Splitter"},
    {in({5}), 7, "Cameras", "Camera"},
    {in({5}), 8, "Intercoms", "Intercom"},
    {in({5}), 9, "Audio Jacks", "Audio Jack"},
    {in({5}), 10, "Audio Controls", "Audio Control"},
    {in({5}), 11, "Speakers", "Speakers"},
    {in({5}), 12, "Connectors", "Connector"},
    {in({5}), 13, "Detectors", "Detector"},
    {in({5}), 14, "Alarms", "Alarm"},
    {in({5}), 15, "Control Panels", "Control Panel"},
    {in({5}), 16, "Keypads", "Keypad"},
    {in({5}), 17, "Sensors", "Sensor"},
    {in({5}), 18, "Switches", "Switch"},
    {in({5}), 19, "Lights", "Light"},
    {in({5}), 20, "Thermostats", "Thermostat"},
    {in({5}), 21, "Transformers", "Transformer"},
    {in({5}), 22, "Pumps", "Pump"},
    {in({5}), 23, "Surge Protectors", "Surge Protector"},
    {in({5}), 24, "Battery Backups", "Battery Backup"},
    {in({5}), 25, "Door Openers", "Door Opener"},
    {in({5}), 26, "Door Strikes", "Door Strike"},
    {in({5}), 27, "Video Jacks", "Video Jack"},
    {in({5}), 28, "Video Splitters", "Video Splitter"},
    {in({5}), 29, "Video Monitors", "Video Monitor"},
    {in({5}), 30, "Microphones", "Microphone"},
    {in({5}), 31, "Motors", "Motor"},
    {in({5}), 32, "Network Switches", "Network Switch"},
    {in({5}), 33, "Network Hubs", "Network Hub"},
    {in({5}), 34, "Modems", "Modem"},
    {in({5}), 35, "Heaters", "Heater"},
    {in({5}), 36, "Fans", "Fan"},
    {in({5}), 37, "Miscellaneous", "Miscellaneous"},
    {in({5}), 38, "Meters", "Meter"},
};

// Exceptions to "both names of every item are accepted by name".
enum class Accept { Nothing, SingularOnly };
struct NameRule {
    Subcategories subcategories;
    int32_t item;
    Accept accept;
};
constexpr NameRule kNameRules[] = {
    {kAllSubcategories, kGraphicObjectItem, Accept::Nothing},
    {in({2}), kGeneralItem, Accept::Nothing},
    {in({4}), 31, Accept::Nothing},
    {in({4}), 32, Accept::Nothing},
    {in({4}), 33, Accept::Nothing},
    {in({4, 5}), kWireItem, Accept::SingularOnly},
};
// Further names accepted beside the items' own, already upper case.
constexpr AcceptedName kExtraNames[] = {
    {4, "BATTERY BACKUP (UPS)", 28},
    {5, "SPEAKER", 11},
    {5, "GENERAL", kGeneralItem},
};

// ---- sub-items ---------------------------------------------------------------

constexpr SubItemRow kSubItems[] = {
    // Subcategory 1.
    {1, 1, "Standard"},  // Walls
    {1, 2, "Double|Single|Bay"},  // Windows
    {1, 3, "Right Hand Door|Left Hand Door|Single Folding|Double Folding|Sliding"},  // Doors
    // Subcategory 2.
    {2, 1, "Range|Range With Grill"},  // Ranges
    {2, 2, "Single Door|Double Door|Chest Freezer"},  // Refrigerators
    {2, 3, "Top Load #1|Top Load #2"},  // Washers
    {2, 4, "Dryer #1|Dryer #2"},  // Dryers
    {2, 5, "Furnace"},  // Furnaces
    {2, 6, "Dishwasher"},  // Dish Washers
    {2, 7, "Trash Compactor"},  // Trash Compactors
    {2, 8, "Water Heater"},  // Hot Water Heaters
    {2, 11, "Octagon Hottub|Hottub"},  // Hot Tubs
    // Subcategory 3.
    {3, 1, "Shower|Corner Shower"},  // Showers
    {3, 2, "Bathtub|Angular Bathtub"},  // Bath Tubs
    {3, 3, "Toilet"},  // Toilets
    {3, 4, "Sink|Oval Sink|Double Sink"},  // Sinks
    // Subcategory 4.
    {4, 1, "Duplex|Split Wired|Triplex|Quadplex|Range|GFCI|AFCI|Dryer|Floor Outlet|Floor Duplex|Weatherproof|Isolated Ground #1|Isolated Ground #2|Single"},  // Receptacles
    {4, 2, "Single Pole|Three Way|Four Way|Dimmer|Dimmer Master|Single Pole, Double Throw|Switch Receptacle|Double Pole|Timer|Fused Disconnect|Fused|Fused Weatherproof|Circuit Breaker|Weatherproof Circuit Breaker|Weatherproof|Horizontally Mounted|Key Opertated|Key Operated With Pilot Light|Remote Control|Momentary|Electrolier|Switch Control|Switch With Pilot Light|Glow With Toggle|Disconnect"},  // Switches
    {4, 3, "Wall|Baseboard|Baseboard With Junction Box|Unit Type|Resistive|Pipe Trace"},  // Heaters
    {4, 4, "Light|Ceiling #1|Ceiling #2|Wall #1|Wall #2|Wall #3|Recessed #1|Recessed #2|Recessed #3|Suspended #1|Suspended #2|Track|Fluorescent|Single Head Spot|Double Head Spot"},  // Lights
    {4, 5, "Paddle #1|Paddel #2|True Scale Paddle|Ceiling|Ventillation"},  // Fans
    {4, 6, "Smoke|Carbon Monoxide|Automatic Heat|Flame|Hydrogen"},  // Detectors
    {4, 7, "Ceiling|Wall|Ceiling Blanked|Wall Blanked|Ceiling Drop Cord|Wall Drop Cord|Ceiling Electric|Wall Electric|Ceiling Fan|Wall Fan|Ceiling Junction Box|Wall Junction Box|Ceiling Lamp Holder|Wall Lamp Holder|Ceiling Lamp Holder With Chain|Wall Lamp Holder With Chain|Ceiling Pull Switch|Wall Pull Switch|Ceiling Vapor|Wall Vapor|Ceiling Exit|Wall Exit|Ceiling Clock|Wall Clock|Special Purpose|Special Purpose Wall"},  // Outlets
    {4, 9, "Junction Box|Wall|Floor"},  // Junction Boxes
    {4, 11, "Line Voltage|Line Voltage Generic"},  // Thermostats
    {4, 12, "Ground|Rod"},  // Grounding
    {4, 13, "Motor|1/4 HP Motor|1/3 HP Motor|1/2 HP Motor|3/4 HP Motor|1 HP Motor|1-1/2 HP Motor|3 HP Motor"},  // Motors
    {4, 14, "Generator"},  // Generators
    {4, 15, "Pad Mount"},  // Transformers
    {4, 16, "Meter"},  // Meters
    {4, 17, "Door Bell|Bell|Door Chime|Buzzer|Fire Alarm|Horn|Security Mag Lock"},  // Alarms
    {4, 18, "Flush Mounted|Master Directory Unit|Annunciator"},  // Intercoms
    {4, 19, "CCTV Weatherproof"},  // Cameras
    {4, 20, "Cable"},  // Modems
    {4, 21, "Four Port Switch|Eight Port Switch"},  // Network Routers
    {4, 22, "Motion #1|Motion #2|Motion #3|Photo"},  // Sensors
    {4, 23, "Electric"},  // Door Openers
    {4, 24, "Electric"},  // Door Strikes
    {4, 25, "Security"},  // Control Panels
    {4, 235, "Home Run #1|To Service Panel #1|To Service Panel #2|Two Wire Identifier|Three Wire Identifier|Four Wire Identifier"},  // General
    {4, 254, kWireNames},  // Wires
    // Subcategory 5.
    {5, 1, "Telephone #1|Telephone #2|Outdoor|Floor|Wall|Data|Floor Data|Fiber"},  // Telephone Jacks
    {5, 2, "Single Punch Down|Two Stack Punch Down|Four Stack Punch Down|Eight Stack Punch Down"},  // Telephone Terminals
    {5, 3, "Data #1|Data #2|Telephone Data|Fiber|Floor Type Telephone Data|Floor Type Data"},  // Network Jacks
    {5, 4, "Four Port Switch|Eight Port Switch"},  // Network Routers
    {5, 5, "Cable Antenna|Master Antenna|CCTV Coaxial Cable Power"},  // Cable Jacks
    {5, 6, "Two Way|Four Way|Eight Way"},  // Cable Splitters
    {5, 7, "CCTV Weatherproof"},  // Cameras
    {5, 8, "Flush Mounted|Master Directory Unit|Annunciator"},  // Intercoms
    {5, 9, "Audio Outlet|Speaker Outlet|Floor Mounted Microphone|Floor Mounted Microphone"},  // Audio Jacks
    {5, 10, "Volume #1|Volume #2"},  // Audio Controls
    {5, 11, "Ceiling|Wall|Speaker #1|Speaker #2|Ceiling Bi-Directional|Wall Bi-Directional|Horn"},  // Speakers
    {5, 13, "Smoke|Carbon Monoxide|Automatic Heat|Flame|Hydrogen"},  // Detectors
    {5, 14, "Door Bell|Bell|Door Chime|Buzzer|Fire|Horn|Security Mag Lock"},  // Alarms
    {5, 15, "Security"},  // Control Panels
    {5, 16, "Security"},  // Keypads
    {5, 17, "Motion #1|Motion #2|Motion #3|Photo"},  // Sensors
    {5, 18, "Pushbutton|Door #1|Window Sensor|Door #2|Overhead Door|Window Contact|Glass Break|Vibration|Mat|Low Voltage|Low Voltage Master"},  // Switches
    {5, 19, "Light #1|Light #2|Light #3"},  // Lights
    {5, 20, "Low Voltage|Low Voltage Generic"},  // Thermostats
    {5, 21, "Low Voltage"},  // Transformers
    {5, 25, "Electric"},  // Door Openers
    {5, 26, "Electric"},  // Door Strikes
    {5, 27, "Video|Television|CCTV Monitor"},  // Video Jacks
    {5, 28, "Two Way|Four Way|Eight Way"},  // Video Splitters
    {5, 34, "Cable"},  // Modems
    {5, 35, "Resistive"},  // Heaters
    {5, 36, "Ventillation"},  // Fans
    {5, 254, kWireNames},  // Wires
};

// ---- code-string lists -------------------------------------------------------

constexpr ItemTypeList kItemTypeLists[] = {
    {1, 3, {}, 0},
    {2, 14, {}, 0},
    {3, 4, {}, 0},
    {4, 30, {kGeneralItem, kWireItem}, 2},
    {5, 39, {kGeneralItem, kWireItem}, 2},
};
constexpr int32_t kSymbolSubcategories[] = {1, 2, 3, 4, 5};

// ---- wall snap -----------------------------------------------------------------

// Runs of sub-item types; indexes are handed out from 1 in this order.
constexpr WallSnapRun kWallSnapRuns[] = {
    {1, 1, 1, 1},
    {1, 2, 2, 2}, {1, 2, 1, 1}, {1, 2, 3, 3},
    {1, 3, 2, 2}, {1, 3, 1, 1}, {1, 3, 3, 5},
    {2, 1, 1, 2}, {2, 2, 1, 3}, {2, 3, 1, 2}, {2, 4, 1, 2}, {2, 5, 1, 1}, {2, 6, 1, 1},
    {2, 7, 1, 1}, {2, 8, 1, 1}, {2, 11, 1, 2},
    {3, 1, 1, 2}, {3, 2, 1, 2}, {3, 3, 1, 1}, {3, 4, 1, 3},
    {4, 1, 1, 13},
    {4, 2, 1, 6}, {4, 2, 9, 9}, {4, 2, 8, 8}, {4, 2, 25, 25}, {4, 2, 10, 24},
    {4, 3, 1, 6}, {4, 4, 1, 15}, {4, 5, 1, 5}, {4, 6, 1, 5}, {4, 7, 1, 26}, {4, 9, 1, 3},
    {4, 11, 1, 2}, {4, 12, 1, 2}, {4, 13, 1, 8}, {4, 14, 1, 1}, {4, 15, 1, 1}, {4, 16, 1, 1},
    {4, 17, 1, 7}, {4, 18, 1, 3}, {4, 19, 1, 1}, {4, 20, 1, 1}, {4, 21, 1, 2}, {4, 22, 1, 4},
    {4, 23, 1, 1}, {4, 24, 1, 1}, {4, 25, 1, 1},
    {5, 1, 1, 8}, {5, 2, 1, 4}, {5, 3, 1, 6}, {5, 4, 1, 2}, {5, 5, 1, 3}, {5, 6, 1, 3},
    {5, 7, 1, 1}, {5, 8, 1, 3}, {5, 9, 1, 4}, {5, 10, 1, 2}, {5, 11, 1, 7}, {5, 13, 1, 5},
    {5, 14, 1, 7}, {5, 15, 1, 1}, {5, 16, 1, 1}, {5, 17, 1, 4}, {5, 18, 1, 11}, {5, 19, 1, 3},
    {5, 20, 1, 2}, {5, 21, 1, 1}, {5, 25, 1, 1}, {5, 26, 1, 1}, {5, 27, 1, 3}, {5, 28, 1, 3},
    {5, 34, 1, 1}, {5, 35, 1, 1}, {5, 36, 1, 1},
    // Variants added later keep the slots after the others.
    {4, 2, 7, 7},
    {4, kGeneralItem, 1, 6},
    {4, 1, 14, 14},
};

}  // namespace

std::span<const CategoryRow> category_rows() { return kCategories; }
std::string_view tool_names() { return kToolNames; }
std::string_view wire_names() { return kWireNames; }

std::string_view nth_name(std::string_view names, int32_t n) {
    if (n < 1) return {};
    size_t start = 0;
    for (int32_t i = 1; i < n; ++i) {
        const size_t bar = names.find('|', start);
        if (bar == std::string_view::npos) return {};
        start = bar + 1;
    }
    return names.substr(start, names.find('|', start) - start);
}

int32_t name_count(std::string_view names) {
    if (names.empty()) return 0;
    int32_t n = 1;
    for (char c : names) n += c == '|';
    return n;
}

std::span<const ItemRow> item_rows() { return kItems; }

const ItemRow* find_item(int32_t subcategory, int32_t item) {
    for (const ItemRow& row : kItems)
        if (row.item == item && offers(row.subcategories, subcategory)) return &row;
    return nullptr;
}

namespace {

struct AcceptedNames {
    std::vector<std::string> texts;  // owns the derived upper-case names
    std::vector<AcceptedName> names;

    AcceptedNames() {
        // Views into `texts` are taken only once it is complete.
        for (int32_t sub = 0; sub <= 5; ++sub) {
            for (const ItemRow& row : kItems) {
                if (!offers(row.subcategories, sub)) continue;
                bool both = true, any = true;
                for (const NameRule& rule : kNameRules) {
                    if (rule.item != row.item || !offers(rule.subcategories, sub)) continue;
                    any = rule.accept != Accept::Nothing;
                    both = false;
                }
                if (!any) continue;
                texts.push_back(UPPERCASETEXT(row.singular));
                names.push_back({sub, {}, row.item});
                if (both && row.plural != row.singular) {
                    texts.push_back(UPPERCASETEXT(row.plural));
                    names.push_back({sub, {}, row.item});
                }
            }
        }
        for (size_t i = 0; i < names.size(); ++i) names[i].name = texts[i];
        for (const AcceptedName& extra : kExtraNames) names.push_back(extra);
    }
};

}  // namespace

std::span<const AcceptedName> accepted_names() {
    static const AcceptedNames table;
    return table.names;
}

std::span<const SubItemRow> sub_item_rows() { return kSubItems; }

const SubItemRow* find_sub_items(int32_t subcategory, int32_t item) {
    for (const SubItemRow& row : kSubItems)
        if (row.subcategory == subcategory && row.item == item) return &row;
    return nullptr;
}

int32_t sub_item_count(int32_t subcategory, int32_t item) {
    const SubItemRow* row = find_sub_items(subcategory, item);
    return row ? name_count(row->names) : 0;
}

std::string_view sub_item_name(int32_t subcategory, int32_t item, int32_t sub_item) {
    const SubItemRow* row = find_sub_items(subcategory, item);
    return row ? nth_name(row->names, sub_item) : std::string_view{};
}

std::span<const ItemTypeList> item_type_lists() { return kItemTypeLists; }
std::span<const int32_t> symbol_subcategory_list() { return kSymbolSubcategories; }

std::span<const WallSnapRun> wall_snap_runs() { return kWallSnapRuns; }

int32_t highest_wall_snap_index() {
    int32_t index = 0;
    for (const WallSnapRun& run : kWallSnapRuns) index += run.last_sub_item - run.first_sub_item + 1;
    return index;
}

}  // namespace wqj::catalogue
