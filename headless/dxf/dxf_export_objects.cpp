// The OBJECTS section: the root dictionary and the dictionaries, layouts and
// styles an R2000 drawing needs. dxflib's own objects name no owners, which
// readers then repair; these are the same objects, each with its owner
// (330), under the handles dxflib keeps free for them below its first
// entity handle and that its block records point to (*Model_Space 1F,
// *Paper_Space 1B, *Paper_Space0 23). The variable dictionaries have no such
// handles: {0} to {2} are the next free handles after the entities.
#include <cstdio>
#include <string>

#include "headless/dxf/dxf_export_writer.h"

namespace vxh::dxf {

namespace {

// Each object as "code value" pairs separated by '|'.
constexpr const char* kObjects[] = {
    "0 DICTIONARY|5 C|330 0|100 AcDbDictionary|280 0|281 1|3 ACAD_GROUP|350 D|3 ACAD_LAYOUT|350 1A|"
    "3 ACAD_MLINESTYLE|350 17|3 ACAD_PLOTSETTINGS|350 19|3 ACAD_PLOTSTYLENAME|350 E|"
    "3 AcDbVariableDictionary|350 {0}",
    "0 DICTIONARY|5 D|330 C|100 AcDbDictionary|280 0|281 1",
    "0 ACDBDICTIONARYWDFLT|5 E|330 C|100 AcDbDictionary|281 1|3 Normal|350 F|"
    "100 AcDbDictionaryWithDefault|340 F",
    "0 ACDBPLACEHOLDER|5 F|330 E",
    "0 DICTIONARY|5 17|330 C|100 AcDbDictionary|280 0|281 1|3 Standard|350 18",
    "0 MLINESTYLE|5 18|330 17|100 AcDbMlineStyle|2 STANDARD|70 0|3 |62 256|51 90.0|52 90.0|71 2|"
    "49 0.5|62 256|6 BYLAYER|49 -0.5|62 256|6 BYLAYER",
    "0 DICTIONARY|5 19|330 C|100 AcDbDictionary|280 0|281 1",
    "0 DICTIONARY|5 1A|330 C|100 AcDbDictionary|281 1|3 Layout1|350 1E|3 Layout2|350 26|3 Model|"
    "350 22",
    "0 LAYOUT|5 1E|330 1A|100 AcDbPlotSettings|1 |2 none_device|4 |6 |40 0.0|41 0.0|42 0.0|43 0.0|"
    "44 0.0|45 0.0|46 0.0|47 0.0|48 0.0|49 0.0|140 0.0|141 0.0|142 1.0|143 1.0|70 688|72 0|73 0|74 5|"
    "7 |75 16|147 1.0|148 0.0|149 0.0|100 AcDbLayout|1 Layout1|70 1|71 1|10 0.0|20 0.0|11 420.0|"
    "21 297.0|12 0.0|22 0.0|32 0.0|14 100000000000000000000.0|24 100000000000000000000.0|"
    "34 100000000000000000000.0|15 -100000000000000000000.0|25 -100000000000000000000.0|"
    "35 -100000000000000000000.0|146 0.0|13 0.0|23 0.0|33 0.0|16 1.0|26 0.0|36 0.0|17 0.0|27 1.0|"
    "37 0.0|76 0|330 1B",
    "0 LAYOUT|5 22|330 1A|100 AcDbPlotSettings|1 |2 none_device|4 |6 |40 0.0|41 0.0|42 0.0|43 0.0|"
    "44 0.0|45 0.0|46 0.0|47 0.0|48 0.0|49 0.0|140 0.0|141 0.0|142 1.0|143 1.0|70 1712|72 0|73 0|"
    "74 0|7 |75 0|147 1.0|148 0.0|149 0.0|100 AcDbLayout|1 Model|70 1|71 0|10 0.0|20 0.0|11 12.0|"
    "21 9.0|12 0.0|22 0.0|32 0.0|14 0.0|24 0.0|34 0.0|15 0.0|25 0.0|35 0.0|146 0.0|13 0.0|23 0.0|"
    "33 0.0|16 1.0|26 0.0|36 0.0|17 0.0|27 1.0|37 0.0|76 0|330 1F",
    "0 LAYOUT|5 26|330 1A|100 AcDbPlotSettings|1 |2 none_device|4 |6 |40 0.0|41 0.0|42 0.0|43 0.0|"
    "44 0.0|45 0.0|46 0.0|47 0.0|48 0.0|49 0.0|140 0.0|141 0.0|142 1.0|143 1.0|70 688|72 0|73 0|74 5|"
    "7 |75 16|147 1.0|148 0.0|149 0.0|100 AcDbLayout|1 Layout2|70 1|71 2|10 0.0|20 0.0|11 12.0|"
    "21 9.0|12 0.0|22 0.0|32 0.0|14 0.0|24 0.0|34 0.0|15 0.0|25 0.0|35 0.0|146 0.0|13 0.0|23 0.0|"
    "33 0.0|16 1.0|26 0.0|36 0.0|17 0.0|27 1.0|37 0.0|76 0|330 23",
    "0 DICTIONARY|5 {0}|330 C|100 AcDbDictionary|281 1|3 DIMASSOC|350 {1}|3 HIDETEXT|350 {2}",
    "0 DICTIONARYVAR|5 {2}|330 {0}|100 DictionaryVariables|280 0|1 2",
    "0 DICTIONARYVAR|5 {1}|330 {0}|100 DictionaryVariables|280 0|1 1",
};

std::string Hex(unsigned long value) {
  char text[24];
  std::snprintf(text, sizeof text, "%lX", value);
  return text;
}

std::string WithHandles(std::string value, unsigned long first_free) {
  for (int i = 0; i < 3; ++i) {
    const std::string mark = "{" + std::to_string(i) + "}";
    if (const std::size_t at = value.find(mark); at != std::string::npos)
      value.replace(at, mark.size(), Hex(first_free + i));
  }
  return value;
}

void WritePairs(DL_WriterA& out, const std::string& pairs, unsigned long first_free) {
  for (std::size_t at = 0; at < pairs.size();) {
    std::size_t end = pairs.find('|', at);
    if (end == std::string::npos) end = pairs.size();
    const std::size_t space = pairs.find(' ', at);
    out.dxfString(std::stoi(pairs.substr(at, space - at)),
                  WithHandles(pairs.substr(space + 1, end - space - 1), first_free));
    at = end + 1;
  }
}

}  // namespace

void WriteObjects(DL_WriterA& out) {
  out.dxfString(0, "SECTION");
  out.dxfString(2, "OBJECTS");
  const unsigned long first_free = out.getNextHandle();
  for (const char* object : kObjects) WritePairs(out, object, first_free);
  out.dxfString(0, "ENDSEC");
}

}  // namespace vxh::dxf
