// A run of the headless host: loads the pack, opens a drawing and drives
// commands from scripts, writing a transcript.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

namespace vxh {

class Document;

struct SessionOptions {
  std::string registry_path;  // empty: the default registry
  std::string frames_dir;     // empty: no preview frames
  // A picture of the dialog of this template name, as it stands each time it
  // waits for an answer, written to dialog_picture_path (.png or .svg).
  std::string dialog_picture_name;
  std::string dialog_picture_path;
};

class Session {
 public:
  // Loads the pack (its entry point registers the command table) and opens a
  // new drawing. Only one session exists at a time.
  Session(std::ostream& transcript, SessionOptions options = {});
  ~Session();  // unloads the pack
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Replaces the drawing by one read from a .kvd or .dxf file. Throws
  // BadInput. `strict`: a DXF file that would lose something throws DxfLoss.
  void Open(const std::string& path, bool strict = false);
  // Writes the drawing through a temporary file beside it. Throws
  // WriteFailure when the file cannot be written.
  void Save(const std::string& path, bool strict = false);

  // Runs a script to its end. Throws BadInput when the file cannot be read,
  // and with "file:line:column: message"
  // for a token that does not fit, an unknown command, an unterminated quote
  // or brace, or a script that ends while a request waits; HostFault for a
  // broken command protocol.
  void RunFile(const std::string& path);
  void RunText(const std::string& text, const std::string& name = "<script>");

  Document& Doc();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vxh
