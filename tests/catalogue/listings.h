// The catalogue written out as text, in the form it is published in to the
// host's developers, and read back by the tests independently of the
// library's own tables: where both agree, neither was mistyped.
#pragma once

namespace catalogue_listing {

// Items: "Subcategory n" opens a subcategory; rows are | item | "plural" | "singular" |.
const char kItemListing[] = R"~(
Subcategory 1
| 1 | "Walls" | "Wall" |
| 2 | "Windows" | "Window" |
| 3 | "Doors" | "Door" |
| 4 | "Stairways" | "Stairway" |
Subcategory 2
| 1 | "Ranges" | "Range" |
| 2 | "Refrigerators" | "Refrigerator" |
| 3 | "Washers" | "Washer" |
| 4 | "Dryers" | "Dryer" |
| 5 | "Furnaces" | "Furnace" |
| 6 | "Dish Washers" | "Dish Washer" |
| 7 | "Trash Compactors" | "Trash Compactor" |
| 8 | "Hot Water Heaters" | "Hot Water Heater" |
| 9 | "Garbage Disposals" | "Garbage Disposal" |
| 10 | "Central Vacuums" | "Central Vacuum" |
| 11 | "Hot Tubs" | "Hot Tub" |
| 12 | "Pumping Units" | "Pumping Unit" |
| 13 | "Heat Pumps" | "Heat Pump" |
| 14 | "A/C Units" | "A/C Unit" |
Subcategory 3
| 1 | "Showers" | "Shower" |
| 2 | "Bath Tubs" | "Bath Tub" |
| 3 | "Toilets" | "Toilet" |
| 4 | "Sinks" | "Sink" |
Subcategory 4
| 1 | "Receptacles" | "Receptacle" |
| 2 | "Switches" | "Switch" |
| 3 | "Heaters" | "Heater" |
| 4 | "Lights" | "Light" |
| 5 | "Fans" | "Fan" |
| 6 | "Detectors" | "Detector" |
| 7 | "Outlets" | "Outlet" |
| 8 | "Home Runs" | "Home Run" |
| 9 | "Junction Boxes" | "Junction Box" |
| 10 | "Pumps" | "Pump" |
| 11 | "Thermostats" | "Thermostat" |
| 12 | "Grounding" | "Grounding" |
| 13 | "Motors" | "Motor" |
| 14 | "Generators" | "Generator" |
| 15 | "Transformers" | "Transformer" |
| 16 | "Meters" | "Meter" |
| 17 | "Alarms" | "Alarm" |
| 18 | "Intercoms" | "Intercom" |
| 19 | "Cameras" | "Camera" |
| 20 | "Modems" | "Modem" |
| 21 | "Network Routers" | "Network Router" |
| 22 | "Sensors" | "Sensor" |
| 23 | "Door Openers" | "Door Opener" |
| 24 | "Door Strikes" | "Door Strike" |
| 25 | "Control Panels" | "Control Panel" |
| 26 | "Keypads" | "Keypad" |
| 27 | "Surge Protectors" | "Surge Protector" |
| 28 | "Battery Backups (UPS)" | "Battery Backups (UPS)" |
| 29 | "Network Switches" | "Network Switch" |
| 30 | "Network Hubs" | "Network Hub" |
| 31 | "Service Panels" | "Service Panel" |
| 32 | "Relays" | "Relay" |
| 33 | "Motor Starters" | "Motor Starter" |
Subcategory 5
| 1 | "Telephone Jacks" | "Telephone Jack" |
| 2 | "Telephone Terminals" | "Telephone Terminal" |
| 3 | "Network Jacks" | "Network Jack" |
| 4 | "Network Routers" | "Network Router" |
| 5 | "Cable Jacks" | "Cable Jack" |
| 6 | "Cable Splitters" | "Cable Splitter" |
| 7 | "Cameras" | "Camera" |
| 8 | "Intercoms" | "Intercom" |
| 9 | "Audio Jacks" | "Audio Jack" |
| 10 | "Audio Controls" | "Audio Control" |
| 11 | "Speakers" | "Speakers" |
| 12 | "Connectors" | "Connector" |
| 13 | "Detectors" | "Detector" |
| 14 | "Alarms" | "Alarm" |
| 15 | "Control Panels" | "Control Panel" |
| 16 | "Keypads" | "Keypad" |
| 17 | "Sensors" | "Sensor" |
| 18 | "Switches" | "Switch" |
| 19 | "Lights" | "Light" |
| 20 | "Thermostats" | "Thermostat" |
| 21 | "Transformers" | "Transformer" |
| 22 | "Pumps" | "Pump" |
| 23 | "Surge Protectors" | "Surge Protector" |
| 24 | "Battery Backups" | "Battery Backup" |
| 25 | "Door Openers" | "Door Opener" |
| 26 | "Door Strikes" | "Door Strike" |
| 27 | "Video Jacks" | "Video Jack" |
| 28 | "Video Splitters" | "Video Splitter" |
| 29 | "Video Monitors" | "Video Monitor" |
| 30 | "Microphones" | "Microphone" |
| 31 | "Motors" | "Motor" |
| 32 | "Network Switches" | "Network Switch" |
| 33 | "Network Hubs" | "Network Hub" |
| 34 | "Modems" | "Modem" |
| 35 | "Heaters" | "Heater" |
| 36 | "Fans" | "Fan" |
| 37 | "Miscellaneous" | "Miscellaneous" |
| 38 | "Meters" | "Meter" |
)~";

// Sub-items: per item, its sub-item types and names in number order.
const char kSubItemListing[] = R"~(
Subcategory 1
- Item type 1 ("Walls"): 1 "Standard".
- Item type 2 ("Windows"): 1 "Double", 2 "Single", 3 "Bay".
- Item type 3 ("Doors"): 1 "Right Hand Door", 2 "Left Hand Door", 3 "Single Folding", 4 "Double Folding", 5 "Sliding".
Subcategory 2
- Item type 1 ("Ranges"): 1 "Range", 2 "Range With Grill".
- Item type 2 ("Refrigerators"): 1 "Single Door", 2 "Double Door", 3 "Chest Freezer".
- Item type 3 ("Washers"): 1 "Top Load #1", 2 "Top Load #2".
- Item type 4 ("Dryers"): 1 "Dryer #1", 2 "Dryer #2".
- Item type 5 ("Furnaces"): 1 "Furnace".
- Item type 6 ("Dish Washers"): 1 "Dishwasher".
- Item type 7 ("Trash Compactors"): 1 "Trash Compactor".
- Item type 8 ("Hot Water Heaters"): 1 "Water Heater".
- Item type 11 ("Hot Tubs"): 1 "Octagon Hottub", 2 "Hottub".
Subcategory 3
- Item type 1 ("Showers"): 1 "Shower", 2 "Corner Shower".
- Item type 2 ("Bath Tubs"): 1 "Bathtub", 2 "Angular Bathtub".
- Item type 3 ("Toilets"): 1 "Toilet".
- Item type 4 ("Sinks"): 1 "Sink", 2 "Oval Sink", 3 "Double Sink".
Subcategory 4
- Item type 1 ("Receptacles"): 1 "Duplex", 2 "Split Wired", 3 "Triplex", 4 "Quadplex", 5 "Range", 6 "GFCI", 7 "AFCI", 8 "Dryer", 9 "Floor Outlet", 10 "Floor Duplex", 11 "Weatherproof", 12 "Isolated Ground #1", 13 "Isolated Ground #2", 14 "Single".
- Item type 2 ("Switches"): 1 "Single Pole", 2 "Three Way", 3 "Four Way", 4 "Dimmer", 5 "Dimmer Master", 6 "Single Pole, Double Throw", 7 "Switch Receptacle", 8 "Double Pole", 9 "Timer", 10 "Fused Disconnect", 11 "Fused", 12 "Fused Weatherproof", 13 "Circuit Breaker", 14 "Weatherproof Circuit Breaker", 15 "Weatherproof", 16 "Horizontally Mounted", 17 "Key Opertated", 18 "Key Operated With Pilot Light", 19 "Remote Control", 20 "Momentary", 21 "Electrolier", 22 "Switch Control", 23 "Switch With Pilot Light", 24 "Glow With Toggle", 25 "Disconnect".
- Item type 3 ("Heaters"): 1 "Wall", 2 "Baseboard", 3 "Baseboard With Junction Box", 4 "Unit Type", 5 "Resistive", 6 "Pipe Trace".
- Item type 4 ("Lights"): 1 "Light", 2 "Ceiling #1", 3 "Ceiling #2", 4 "Wall #1", 5 "Wall #2", 6 "Wall #3", 7 "Recessed #1", 8 "Recessed #2", 9 "Recessed #3", 10 "Suspended #1", 11 "Suspended #2", 12 "Track", 13 "Fluorescent", 14 "Single Head Spot", 15 "Double Head Spot".
- Item type 5 ("Fans"): 1 "Paddle #1", 2 "Paddel #2", 3 "True Scale Paddle", 4 "Ceiling", 5 "Ventillation".
- Item type 6 ("Detectors"): 1 "Smoke", 2 "Carbon Monoxide", 3 "Automatic Heat", 4 "Flame", 5 "Hydrogen".
- Item type 7 ("Outlets"): 1 "Ceiling", 2 "Wall", 3 "Ceiling Blanked", 4 "Wall Blanked", 5 "Ceiling Drop Cord", 6 "Wall Drop Cord", 7 "Ceiling Electric", 8 "Wall Electric", 9 "Ceiling Fan", 10 "Wall Fan", 11 "Ceiling Junction Box", 12 "Wall Junction Box", 13 "Ceiling Lamp Holder", 14 "Wall Lamp Holder", 15 "Ceiling Lamp Holder With Chain", 16 "Wall Lamp Holder With Chain", 17 "Ceiling Pull Switch", 18 "Wall Pull Switch", 19 "Ceiling Vapor", 20 "Wall Vapor", 21 "Ceiling Exit", 22 "Wall Exit", 23 "Ceiling Clock", 24 "Wall Clock", 25 "Special Purpose", 26 "Special Purpose Wall".
- Item type 9 ("Junction Boxes"): 1 "Junction Box", 2 "Wall", 3 "Floor".
- Item type 11 ("Thermostats"): 1 "Line Voltage", 2 "Line Voltage Generic".
- Item type 12 ("Grounding"): 1 "Ground", 2 "Rod".
- Item type 13 ("Motors"): 1 "Motor", 2 "1/4 HP Motor", 3 "1/3 HP Motor", 4 "1/2 HP Motor", 5 "3/4 HP Motor", 6 "1 HP Motor", 7 "1-1/2 HP Motor", 8 "3 HP Motor".
- Item type 14 ("Generators"): 1 "Generator".
- Item type 15 ("Transformers"): 1 "Pad Mount".
- Item type 16 ("Meters"): 1 "Meter".
- Item type 17 ("Alarms"): 1 "Door Bell", 2 "Bell", 3 "Door Chime", 4 "Buzzer", 5 "Fire Alarm", 6 "Horn", 7 "Security Mag Lock".
- Item type 18 ("Intercoms"): 1 "Flush Mounted", 2 "Master Directory Unit", 3 "Annunciator".
- Item type 19 ("Cameras"): 1 "CCTV Weatherproof".
- Item type 20 ("Modems"): 1 "Cable".
- Item type 21 ("Network Routers"): 1 "Four Port Switch", 2 "Eight Port Switch".
- Item type 22 ("Sensors"): 1 "Motion #1", 2 "Motion #2", 3 "Motion #3", 4 "Photo".
- Item type 23 ("Door Openers"): 1 "Electric".
- Item type 24 ("Door Strikes"): 1 "Electric".
- Item type 25 ("Control Panels"): 1 "Security".
- Item type 235 ("General"): 1 "Home Run #1", 2 "To Service Panel #1", 3 "To Service Panel #2", 4 "Two Wire Identifier", 5 "Three Wire Identifier", 6 "Four Wire Identifier".
- Item type 254 ("Wires"): 1 "Curved", 2 "Straight", 3 "Sweeping".
Subcategory 5
- Item type 1 ("Telephone Jacks"): 1 "Telephone #1", 2 "Telephone #2", 3 "Outdoor", 4 "Floor", 5 "Wall", 6 "Data", 7 "Floor Data", 8 "Fiber".
- Item type 2 ("Telephone Terminals"): 1 "Single Punch Down", 2 "Two Stack Punch Down", 3 "Four Stack Punch Down", 4 "Eight Stack Punch Down".
- Item type 3 ("Network Jacks"): 1 "Data #1", 2 "Data #2", 3 "Telephone Data", 4 "Fiber", 5 "Floor Type Telephone Data", 6 "Floor Type Data".
- Item type 4 ("Network Routers"): 1 "Four Port Switch", 2 "Eight Port Switch".
- Item type 5 ("Cable Jacks"): 1 "Cable Antenna", 2 "Master Antenna", 3 "CCTV Coaxial Cable Power".
- Item type 6 ("Cable Splitters"): 1 "Two Way", 2 "Four Way", 3 "Eight Way".
- Item type 7 ("Cameras"): 1 "CCTV Weatherproof".
- Item type 8 ("Intercoms"): 1 "Flush Mounted", 2 "Master Directory Unit", 3 "Annunciator".
- Item type 9 ("Audio Jacks"): 1 "Audio Outlet", 2 "Speaker Outlet", 3 "Floor Mounted Microphone", 4 "Floor Mounted Microphone".
- Item type 10 ("Audio Controls"): 1 "Volume #1", 2 "Volume #2".
- Item type 11 ("Speakers"): 1 "Ceiling", 2 "Wall", 3 "Speaker #1", 4 "Speaker #2", 5 "Ceiling Bi-Directional", 6 "Wall Bi-Directional", 7 "Horn".
- Item type 13 ("Detectors"): 1 "Smoke", 2 "Carbon Monoxide", 3 "Automatic Heat", 4 "Flame", 5 "Hydrogen".
- Item type 14 ("Alarms"): 1 "Door Bell", 2 "Bell", 3 "Door Chime", 4 "Buzzer", 5 "Fire", 6 "Horn", 7 "Security Mag Lock".
- Item type 15 ("Control Panels"): 1 "Security".
- Item type 16 ("Keypads"): 1 "Security".
- Item type 17 ("Sensors"): 1 "Motion #1", 2 "Motion #2", 3 "Motion #3", 4 "Photo".
- Item type 18 ("Switches"): 1 "Pushbutton", 2 "Door #1", 3 "Window Sensor", 4 "Door #2", 5 "Overhead Door", 6 "Window Contact", 7 "Glass Break", 8 "Vibration", 9 "Mat", 10 "Low Voltage", 11 "Low Voltage Master".
- Item type 19 ("Lights"): 1 "Light #1", 2 "Light #2", 3 "Light #3".
- Item type 20 ("Thermostats"): 1 "Low Voltage", 2 "Low Voltage Generic".
- Item type 21 ("Transformers"): 1 "Low Voltage".
- Item type 25 ("Door Openers"): 1 "Electric".
- Item type 26 ("Door Strikes"): 1 "Electric".
- Item type 27 ("Video Jacks"): 1 "Video", 2 "Television", 3 "CCTV Monitor".
- Item type 28 ("Video Splitters"): 1 "Two Way", 2 "Four Way", 3 "Eight Way".
- Item type 34 ("Modems"): 1 "Cable".
- Item type 35 ("Heaters"): 1 "Resistive".
- Item type 36 ("Fans"): 1 "Ventillation".
- Item type 254 ("Wires"): 1 "Curved", 2 "Straight", 3 "Sweeping".
)~";

// The number of sub-item types of each item: | subcategory | item: count; ... |.
const char kSubItemCounts[] = R"~(
| 1 | 1: 1; 2: 3; 3: 5 |
| 2 | 1: 2; 2: 3; 3: 2; 4: 2; 5: 1; 6: 1; 7: 1; 8: 1; 11: 2 |
| 3 | 1: 2; 2: 2; 3: 1; 4: 3 |
| 4 | 1: 14; 2: 25; 3: 6; 4: 15; 5: 5; 6: 5; 7: 26; 9: 3; 11: 2; 12: 2; 13: 8; 14: 1; 15: 1; 16: 1; 17: 7; 18: 3; 19: 1; 20: 1; 21: 2; 22: 4; 23: 1; 24: 1; 25: 1; 235: 6; 254: 3 |
| 5 | 1: 8; 2: 4; 3: 6; 4: 2; 5: 3; 6: 3; 7: 1; 8: 3; 9: 4; 10: 2; 11: 7; 13: 5; 14: 7; 15: 1; 16: 1; 17: 4; 18: 11; 19: 3; 20: 2; 21: 1; 25: 1; 26: 1; 27: 3; 28: 3; 34: 1; 35: 1; 36: 1; 254: 3 |
)~";

// Wall-snap slots: | indexes | subcategory | item | sub-item types in index order |.
const char kWallSnapListing[] = R"~(
| 1 | 1 | 1 ("Walls") | 1 |
| 2 to 4 | 1 | 2 ("Windows") | 2, 1, 3 |
| 5 to 9 | 1 | 3 ("Doors") | 2, 1, 3, 4, 5 |
| 10 to 11 | 2 | 1 ("Ranges") | 1 to 2 |
| 12 to 14 | 2 | 2 ("Refrigerators") | 1 to 3 |
| 15 to 16 | 2 | 3 ("Washers") | 1 to 2 |
| 17 to 18 | 2 | 4 ("Dryers") | 1 to 2 |
| 19 | 2 | 5 ("Furnaces") | 1 |
| 20 | 2 | 6 ("Dish Washers") | 1 |
| 21 | 2 | 7 ("Trash Compactors") | 1 |
| 22 | 2 | 8 ("Hot Water Heaters") | 1 |
| 23 to 24 | 2 | 11 ("Hot Tubs") | 1 to 2 |
| 25 to 26 | 3 | 1 ("Showers") | 1 to 2 |
| 27 to 28 | 3 | 2 ("Bath Tubs") | 1 to 2 |
| 29 | 3 | 3 ("Toilets") | 1 |
| 30 to 32 | 3 | 4 ("Sinks") | 1 to 3 |
| 33 to 45 | 4 | 1 ("Receptacles") | 1 to 13 |
| 46 to 69 | 4 | 2 ("Switches") | 1, 2, 3, 4, 5, 6, 9, 8, 25, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24 |
| 70 to 75 | 4 | 3 ("Heaters") | 1 to 6 |
| 76 to 90 | 4 | 4 ("Lights") | 1 to 15 |
| 91 to 95 | 4 | 5 ("Fans") | 1 to 5 |
| 96 to 100 | 4 | 6 ("Detectors") | 1 to 5 |
| 101 to 126 | 4 | 7 ("Outlets") | 1 to 26 |
| 127 to 129 | 4 | 9 ("Junction Boxes") | 1 to 3 |
| 130 to 131 | 4 | 11 ("Thermostats") | 1 to 2 |
| 132 to 133 | 4 | 12 ("Grounding") | 1 to 2 |
| 134 to 141 | 4 | 13 ("Motors") | 1 to 8 |
| 142 | 4 | 14 ("Generators") | 1 |
| 143 | 4 | 15 ("Transformers") | 1 |
| 144 | 4 | 16 ("Meters") | 1 |
| 145 to 151 | 4 | 17 ("Alarms") | 1 to 7 |
| 152 to 154 | 4 | 18 ("Intercoms") | 1 to 3 |
| 155 | 4 | 19 ("Cameras") | 1 |
| 156 | 4 | 20 ("Modems") | 1 |
| 157 to 158 | 4 | 21 ("Network Routers") | 1 to 2 |
| 159 to 162 | 4 | 22 ("Sensors") | 1 to 4 |
| 163 | 4 | 23 ("Door Openers") | 1 |
| 164 | 4 | 24 ("Door Strikes") | 1 |
| 165 | 4 | 25 ("Control Panels") | 1 |
| 166 to 173 | 5 | 1 ("Telephone Jacks") | 1 to 8 |
| 174 to 177 | 5 | 2 ("Telephone Terminals") | 1 to 4 |
| 178 to 183 | 5 | 3 ("Network Jacks") | 1 to 6 |
| 184 to 185 | 5 | 4 ("Network Routers") | 1 to 2 |
| 186 to 188 | 5 | 5 ("Cable Jacks") | 1 to 3 |
| 189 to 191 | 5 | 6 ("Cable Splitters") | 1 to 3 |
| 192 | 5 | 7 ("Cameras") | 1 |
| 193 to 195 | 5 | 8 ("Intercoms") | 1 to 3 |
| 196 to 199 | 5 | 9 ("Audio Jacks") | 1 to 4 |
| 200 to 201 | 5 | 10 ("Audio Controls") | 1 to 2 |
| 202 to 208 | 5 | 11 ("Speakers") | 1 to 7 |
| 209 to 213 | 5 | 13 ("Detectors") | 1 to 5 |
| 214 to 220 | 5 | 14 ("Alarms") | 1 to 7 |
| 221 | 5 | 15 ("Control Panels") | 1 |
| 222 | 5 | 16 ("Keypads") | 1 |
| 223 to 226 | 5 | 17 ("Sensors") | 1 to 4 |
| 227 to 237 | 5 | 18 ("Switches") | 1 to 11 |
| 238 to 240 | 5 | 19 ("Lights") | 1 to 3 |
| 241 to 242 | 5 | 20 ("Thermostats") | 1 to 2 |
| 243 | 5 | 21 ("Transformers") | 1 |
| 244 | 5 | 25 ("Door Openers") | 1 |
| 245 | 5 | 26 ("Door Strikes") | 1 |
| 246 to 248 | 5 | 27 ("Video Jacks") | 1 to 3 |
| 249 to 251 | 5 | 28 ("Video Splitters") | 1 to 3 |
| 252 | 5 | 34 ("Modems") | 1 |
| 253 | 5 | 35 ("Heaters") | 1 |
| 254 | 5 | 36 ("Fans") | 1 |
| 255 | 4 | 2 ("Switches") | 7 |
| 256 to 261 | 4 | 235 ("General") | 1 to 6 |
| 262 | 4 | 1 ("Receptacles") | 14 |
)~";

}  // namespace catalogue_listing
