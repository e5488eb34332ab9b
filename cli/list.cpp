#include <iostream>

#include "cli/commands.h"
#include "cli/entity_listing.h"
#include "cli/guarded.h"
#include "headless/drawing/document.h"
#include "headless/dxf/drawing_file.h"
#include "headless/render/render.h"

namespace vxcli {

namespace {

void PrintList(const vxh::Document& document, bool json) {
  vxh::EntityList& work = const_cast<vxh::Document&>(document).Work();
  if (!json) {
    work.ForEach([&](vx::Entity e) { std::cout << DescribeText(work, e, 0); });
    return;
  }
  std::cout << "{\"entities\":[";
  bool first = true;
  work.ForEach([&](vx::Entity e) {
    std::cout << (first ? "\n" : ",\n") << DescribeJson(work, e);
    first = false;
  });
  std::cout << "\n]}\n";
}

}  // namespace

int List(const std::string& drawing, bool json, bool strict) {
  return Guarded([&] { PrintList(*vxh::LoadDrawing(drawing, strict), json); });
}

int Render(const std::string& drawing, const std::string& out, bool strict) {
  return Guarded([&] { vxh::RenderDocument(*vxh::LoadDrawing(drawing, strict), out); });
}

}  // namespace vxcli
