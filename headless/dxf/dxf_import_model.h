// What the DXF reader collects before the drawing is built: top-level
// entities and block definitions, in drawing units, with finished records.
// Blocks are resolved only at the end because an INSERT inside a block may
// name a block defined further on.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "headless/dxf/dxf_geometry.h"
#include "headless/dxf/dxf_records.h"

namespace vxh::dxf {

struct Item {
  Record record;
  std::vector<Item> members;   // a group's pieces
  std::string block;           // a symbol instance: the block (upper-case) that gives its members
  InstanceMatrix placement{};  // the instance transform before the block's base point is applied
  // The block's entities are the members of a group (a DIMENSION) rather
  // than of a symbol instance; those on layer "0" or drawn BYBLOCK take the
  // group's layer, colour and line type, as they showed in the file.
  bool block_as_group = false;
  std::vector<Item> attributes;  // a symbol instance's ATTRIBs, in drawing coordinates
};

struct Block {
  P2 base;
  std::vector<Item> items;
};

struct ImportModel {
  std::map<std::string, Block> blocks;  // by upper-case name
  std::vector<Item> entities;
  std::map<std::string, int> converted;  // DXF entity type -> entities turned into records
  // What the drawing cannot hold as the file has it, by description ("HATCH
  // pattern line ...", "layer "X" renamed "Y""), with the number of times.
  std::map<std::string, int> losses;
  std::string error;  // the first problem found; the import fails with it
};

}  // namespace vxh::dxf
