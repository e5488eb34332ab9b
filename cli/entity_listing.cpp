#include "cli/entity_listing.h"

#include "cli/entity_fields.h"
#include "headless/drawing/document.h"
#include "headless/drawing/entity_list.h"
#include "headless/drawing/settings_tables.h"
#include "headless/geometry/entity_access.h"
#include "host/entity_layout.h"
#include "host/record.h"
#include "host/settings_layout.h"

namespace vxcli {

namespace {

using vx::Entity;

std::string TextKey(const std::string& key) {
  std::string out = key;
  for (char& c : out)
    if (c == '_') c = ' ';
  return out;
}

std::string FieldsText(const std::vector<Field>& fields) {
  std::string out;
  for (std::size_t i = 0; i < fields.size(); ++i)
    out += (i ? ", " : " ") + TextKey(fields[i].key) + " " + fields[i].text;
  return out;
}

std::string FieldsJson(const std::vector<Field>& fields) {
  std::string out;
  for (const Field& f : fields) out += ",\"" + f.key + "\":" + f.json;
  return out;
}

class EntityLister {
 public:
  explicit EntityLister(const TableNames& names) : names_(names) {}

  std::string Text(const vxh::EntityList& list, Entity e, int depth) const {
    std::string out(static_cast<std::size_t>(depth) * 2, ' ');
    out += vxh::KindName(vx::GetI8(e, vx::kHdrKind)) + ":" + FieldsText(EntityFields(e, names_)) + "\n";
    if (const vxh::EntityList* members = list.Members(e))
      members->ForEach([&](Entity m) { out += Text(*members, m, depth + 1); });
    return out;
  }

  std::string Json(const vxh::EntityList& list, Entity e) const {
    const int kind = vx::GetI8(e, vx::kHdrKind);
    std::string out = "{\"kind\":" + std::to_string(kind) + ",\"name\":\"" + vxh::KindName(kind) + "\"" +
                      FieldsJson(EntityFields(e, names_));
    if (const vxh::EntityList* members = list.Members(e)) {
      out += ",\"members\":[";
      bool first = true;
      members->ForEach([&](Entity m) {
        out += (first ? "" : ",") + Json(*members, m);
        first = false;
      });
      out += "]";
    }
    return out + "}";
  }

 private:
  const TableNames& names_;
};

std::vector<Field> LayerFields(const std::uint8_t* r) {
  const std::uint32_t flags = vx::GetU32(r, vx::kLayerFlags);
  const auto flag = [](const char* key, bool on) { return Field{key, on ? "true" : "false", on ? "yes" : "no"}; };
  return {NumberField("id", vx::GetU16(r, vx::kLayerId)), StringField("name", RecordText(r, vx::kLayerName)),
          NumberField("colour", vx::GetU16(r, vx::kLayerColour)), flag("hidden", flags & vx::kLayerHidden),
          flag("frozen", flags & vx::kLayerFrozen)};
}

std::vector<Field> LineStyleFields(const std::uint8_t* r) {
  return {NumberField("number", vx::GetU16(r, vx::kLStyleNumber)), StringField("name", RecordText(r, vx::kLStyleName))};
}

// One JSON array or block of text lines per settings table.
struct TableListing {
  int number;
  const char* key;
  const char* title;
  std::vector<Field> (*fields)(const std::uint8_t*);
};

constexpr TableListing kTables[] = {
    {vx::kTableLayers, "layers", "layer", LayerFields},
    {vx::kTableLineStyles, "line_styles", "line style", LineStyleFields},
};

vxh::SettingsTables& TablesOf(const vxh::Document& document) { return const_cast<vxh::Document&>(document).Tables(); }

}  // namespace

std::string ListText(const vxh::Document& document) {
  const TableNames names = NamesOf(document);
  const EntityLister lister(names);
  vxh::EntityList& work = const_cast<vxh::Document&>(document).Work();
  std::string out;
  work.ForEach([&](Entity e) { out += lister.Text(work, e, 0); });
  for (const TableListing& t : kTables) {
    vxh::ForEachRecord(TablesOf(document), t.number, [&](const std::uint8_t* r) {
      out += std::string(t.title) + ":" + FieldsText(t.fields(r)) + "\n";
    });
  }
  return out;
}

std::string ListJson(const vxh::Document& document) {
  const TableNames names = NamesOf(document);
  const EntityLister lister(names);
  vxh::EntityList& work = const_cast<vxh::Document&>(document).Work();
  std::string out = "{\"entities\":[";
  bool first = true;
  work.ForEach([&](Entity e) {
    out += (first ? "\n" : ",\n") + lister.Json(work, e);
    first = false;
  });
  out += "\n]";
  for (const TableListing& t : kTables) {
    out += ",\n\"" + std::string(t.key) + "\":[";
    first = true;
    vxh::ForEachRecord(TablesOf(document), t.number, [&](const std::uint8_t* r) {
      out += (first ? "\n{" : ",\n{") + FieldsJson(t.fields(r)).substr(1) + "}";
      first = false;
    });
    out += "\n]";
  }
  return out + "}\n";
}

}  // namespace vxcli
