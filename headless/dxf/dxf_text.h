// Texts between DXF and the host: encodings, MTEXT formatting, control codes
// and justification.
#pragma once

#include <string>
#include <vector>

namespace vxh::dxf {

// DXF files from AutoCAD 2007 on are UTF-8, older ones in the code page
// their $DWGCODEPAGE names; either may spell a character as \U+XXXX. The
// host keeps code page 1252: a character 1252 cannot hold stays the \U+XXXX
// escape a DXF file of any version reads back as that character, and is
// counted. Outside the 16-bit range, and for bytes that are not text in the
// file's encoding, the character becomes '?', also counted.
class DxfDecoder {
 public:
  // `code_page` as $DWGCODEPAGE has it ("ANSI_1251"); empty or unknown reads
  // as 1252 (an unknown one is noted in unknown_code_page()).
  DxfDecoder(bool utf8, const std::string& code_page);

  std::string Decode(const std::string& text);
  int Escaped() const { return escaped_; }  // characters kept as \U+XXXX
  int Lost() const { return lost_; }        // characters that became '?'
  const std::string& UnknownCodePage() const { return unknown_; }

 private:
  void Append(unsigned code_point, std::string& out);
  std::vector<unsigned> FromUtf8(const std::string& text) const;
  std::vector<unsigned> FromCodePage(const std::string& text) const;
  static std::vector<unsigned> From1252(const std::string& text);

  bool utf8_;
  std::string iconv_name_;  // "CP1251"; empty for 1252
  std::string unknown_;
  int escaped_ = 0;
  int lost_ = 0;
};

// The code page 1252 byte for a Unicode code point, '?' when there is none.
char Cp1252Of(unsigned code_point);
// Whether code page 1252 holds the code point.
bool InCp1252(unsigned code_point);

// TEXT control codes: %%d degree, %%p plus-minus, %%c diameter, %%% percent;
// underline and overline toggles are dropped.
std::string PlainText(const std::string& text);

// MTEXT with its formatting removed: font, height, colour and other switches
// go, \P paragraphs become CR LF, stacked fractions read "a/b", \U+XXXX
// escapes become characters where code page 1252 holds them and stay
// escapes otherwise.
std::string PlainMText(const std::string& text);

// Host justification codes 0 to 8 are 3 * vertical + horizontal (vertical 0
// bottom, 1 middle, 2 top; horizontal 0 left, 1 centre, 2 right).
// TEXT: horizontal 0 left, 1 centre, 2 right, 3 aligned, 4 middle, 5 fit;
// vertical 0 baseline, 1 bottom, 2 middle, 3 top. Aligned and fit keep the
// first point and read as left; baseline reads as bottom.
int JustifyOfText(int horizontal, int vertical);
// MTEXT attachment 1 to 9: top left ... bottom right.
int JustifyOfAttachment(int attachment);
struct DxfJustify {
  int horizontal = 0;
  int vertical = 0;
};
DxfJustify DxfJustifyOf(int code);

}  // namespace vxh::dxf
