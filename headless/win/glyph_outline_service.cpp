// GetGlyphOutlineA: the native outline or the metrics of one glyph of the
// font selected into a device context.
#include <cstring>
#include <exception>

#include "headless/fonts/native_outline.h"
#include "headless/win/gdi_objects.h"

extern "C" {

DWORD GetGlyphOutlineA(HDC dc, UINT character, UINT format, GLYPHMETRICS* metrics, DWORD size, LPVOID buffer,
                       const MAT2* matrix) {
  const vxh::GdiFont* font = vxh::SelectedFont(dc);
  if (font == nullptr || metrics == nullptr || matrix == nullptr || character > 0xFF) return GDI_ERROR;
  if (format != GGO_NATIVE && format != GGO_METRICS) return GDI_ERROR;
  try {
    const auto glyph = font->Glyph(static_cast<unsigned char>(character), *matrix);
    if (!glyph) return GDI_ERROR;
    *metrics = glyph->metrics;
    if (format == GGO_METRICS) return 1;
    const std::size_t needed = vxh::NativeOutlineBytes(glyph->outline);
    if (buffer == nullptr || size == 0) return static_cast<DWORD>(needed);
    if (size < needed) return GDI_ERROR;
    vxh::WriteNativeOutline(glyph->outline, static_cast<std::uint8_t*>(buffer));
    return static_cast<DWORD>(needed);
  } catch (const std::exception&) {
    return GDI_ERROR;
  }
}

}  // extern "C"
