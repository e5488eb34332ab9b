// Texts between DXF and the host: encodings, MTEXT formatting, control codes
// and justification.
#pragma once

#include <string>

namespace vxh::dxf {

// DXF files from AutoCAD 2007 on are UTF-8, older ones code page 1252 like
// the host's texts. Characters 1252 cannot hold become '?'.
std::string Utf8ToCp1252(const std::string& text);
// The code page 1252 byte for a Unicode code point, '?' when there is none.
char Cp1252Of(unsigned code_point);

// TEXT control codes: %%d degree, %%p plus-minus, %%c diameter, %%% percent;
// underline and overline toggles are dropped.
std::string PlainText(const std::string& text);

// MTEXT with its formatting removed: font, height, colour and other switches
// go, \P paragraphs become CR LF, stacked fractions read "a/b", \U+XXXX
// escapes become characters.
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
