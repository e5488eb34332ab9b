// A drawing of the headless host: the working list with its member lists, the
// settings tables, the undo journal and the temporary and part lists.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/drawing_list.h"

namespace vxh {

class EntityList;
class SettingsTables;
class UndoJournal;

// Host state of an entity beside its record bytes.
struct EntityState {
  bool selected = false;
  bool removed = false;
  std::uint32_t tag = 0;
  EntityList* members = nullptr;  // member list, or none
};

class Document {
 public:
  Document();  // a new drawing with the tables a user expects
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  EntityList& Work();
  const EntityList& Work() const;
  vx::DList* WorkDL();
  SettingsTables& Tables();
  const SettingsTables& Tables() const;
  UndoJournal& Journal();

  // Host commands UNDO and REDO; false when there is no step to undo / redo.
  bool Undo();
  bool Redo();

  // Temporary lists (CreateDList) and part lists; released by their release
  // operation, or with the document.
  EntityList* CreateTempList(const std::string& file_name);

  // Clears every selection mark of the working list (ClearSelect).
  void ClearSelection();

  std::uint32_t NewTag();
  // The tag NewTag gives next; drawing files keep it.
  std::uint32_t NextTag() const;
  void SetNextTag(std::uint32_t tag);

  const std::string& FileName() const;
  void SetFileName(const std::string& name);  // also the text at byte 300 of the list

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The entity lists of the headless host implement vx::DList. These are the
// host-side views that the host's own code (commands, files, CLI) uses.
class EntityList {
 public:
  virtual ~EntityList() = default;
  virtual vx::DList* AsDList() = 0;
  // Live entities in list order (removed ones are skipped).
  virtual void ForEach(const std::function<void(vx::Entity)>& visit) const = 0;
  virtual std::size_t Count() const = 0;  // live entities
  virtual const EntityState& State(vx::Entity entity) const = 0;
  virtual void SetSelected(vx::Entity entity, bool selected) = 0;
  virtual void SetTag(vx::Entity entity, std::uint32_t tag) = 0;
  virtual EntityList* Members(vx::Entity entity) const = 0;
  // Appends a copy of a finished record (host commands, file loading) without
  // journaling; returns the new entity.
  virtual vx::Entity Append(const std::uint8_t* record) = 0;
};

// The list behind a vx::DList handed out by the headless host.
EntityList* FromDList(vx::DList* list);

}  // namespace vxh
