// vorlix: runs scripts against drawings and writes drawings and pictures.
#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/commands.h"
#include "cli/convert.h"
#include "cli/registry.h"

namespace {

constexpr const char* kStrictHelp =
    "Fail (exit 1, nothing written) when a DXF file read or written would lose something";

void AddRun(CLI::App& app, vxcli::RunArgs& args, int& result) {
  CLI::App* run = app.add_subcommand("run", "Run scripts against a drawing");
  run->add_option("SCRIPT", args.scripts, "Script files, run in order")->required();
  run->add_option("--in", args.in, "Drawing to open first (.kvd or .dxf)");
  run->add_option("--out", args.out, "Write the drawing (.kvd, .dxf) or a picture (.png, .svg, .pdf)");
  run->add_option("--frames", args.frames, "Folder for the preview frames of drags");
  run->add_option("--registry", args.registry, "Registry database file");
  run->add_option("--transcript", args.transcript, "Write the transcript to this file instead of stdout");
  run->add_flag("--strict", args.strict, kStrictHelp);
  run->callback([&] { result = vxcli::Run(args); });
}

void AddDrawingCommands(CLI::App& app, std::string& drawing, std::string& out, bool& json, bool& strict, int& result) {
  CLI::App* list = app.add_subcommand("list", "List the entities of a drawing");
  list->add_option("DRAWING", drawing, "Drawing file (.kvd or .dxf)")->required();
  list->add_flag("--json", json, "Write JSON instead of text (docs/list_json.md)");
  list->add_flag("--strict", strict, kStrictHelp);
  list->callback([&] { result = vxcli::List(drawing, json, strict); });

  CLI::App* render = app.add_subcommand("render", "Draw a drawing as a picture");
  render->add_option("DRAWING", drawing, "Drawing file (.kvd or .dxf)")->required();
  render->add_option("--out", out, "Picture file (.png, .svg, .pdf)")->required();
  render->add_flag("--strict", strict, kStrictHelp);
  render->callback([&] { result = vxcli::Render(drawing, out, strict); });

  CLI::App* menu = app.add_subcommand("menu", "Draw the popup menu of a command menu file (VXCMENU) as a picture");
  menu->add_option("FILE", drawing, "Command menu file: one \"label:command\" line per item")->required();
  menu->add_option("--out", out, "Picture file (.png, .svg)")->required();
  menu->callback([&] { result = vxcli::MenuPicture(drawing, out); });
}

void AddDialog(CLI::App& app, vxcli::DialogArgs& args, int& result) {
  CLI::App* dialog = app.add_subcommand("dialog", "Draw one of the pack's dialogs as a picture");
  dialog->add_option("NAME", args.name, "Dialog resource name (DLGHATCHCMD, IDD_DLGDIST, ...)")->required();
  dialog->add_option("--out", args.out, "Picture file (.png, .svg)")->required();
  dialog->add_option("--run", args.script,
                     "Run this script and draw the dialog as it stands the last time it waits for an answer");
  dialog->add_option("--in", args.in, "Drawing to open before the script (.kvd or .dxf)");
  dialog->add_option("--registry", args.registry, "Registry database file for the script's run");
  dialog->callback([&] { result = vxcli::DialogPicture(args); });
}

void AddConvert(CLI::App& app, std::string& in, std::string& out, bool& strict, int& result) {
  CLI::App* convert = app.add_subcommand("convert", "Convert a drawing between .kvd and .dxf");
  convert->add_option("IN", in, "Drawing to read (.kvd or .dxf)")->required();
  convert->add_option("OUT", out, "Drawing to write (.kvd or .dxf)")->required();
  convert->add_flag("--strict", strict, kStrictHelp);
  convert->callback([&] { result = vxcli::Convert(in, out, strict); });
}

int UnknownSubcommand(const std::string& name) {
  std::cerr << "vorlix: unknown subcommand \"" << name << "\" (\"vorlix help\" lists them)\n";
  return vxcli::kExitBadInput;
}

// `vorlix help` and `vorlix help SUBCOMMAND`, the same texts as --help.
void AddHelp(CLI::App& app, std::string& topic, int& result) {
  CLI::App* help = app.add_subcommand("help", "Show this help, or the help of one subcommand");
  help->add_option("SUBCOMMAND", topic, "The subcommand to explain");
  help->callback([&app, &topic, &result] {
    // app.help() would explain the subcommand being run, `help` itself.
    if (topic.empty()) {
      std::cout << app.get_formatter()->make_help(&app, "vorlix", CLI::AppFormatMode::Normal);
      return;
    }
    for (const CLI::App* sub : app.get_subcommands({}))
      if (sub->get_name() == topic) {
        std::cout << sub->help("vorlix");
        return;
      }
    result = UnknownSubcommand(topic);
  });
}

// The subcommand a user named ("frob", or "registry frob"), when it is not
// one of ours; CLI11 would call it an unexpected argument or say that a
// subcommand is missing.
std::string UnknownSubcommandIn(const CLI::App& app, int argc, char** argv, int at = 1, std::string path = "") {
  const std::vector<const CLI::App*> subs = app.get_subcommands({});
  if (subs.empty() || argc <= at || argv[at][0] == '-') return "";
  for (const CLI::App* sub : subs)
    if (sub->get_name() == argv[at]) return UnknownSubcommandIn(*sub, argc, argv, at + 1, path + argv[at] + " ");
  return path + argv[at];
}

// "vorlix: " and CLI11's message, which names options as the user wrote
// them (--in, SCRIPT), then where to find help.
std::string FailureMessage(const CLI::App*, const CLI::Error& e) {
  return std::string("vorlix: ") + e.what() + "\n(\"vorlix help\" explains the subcommands)\n";
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Vorlix: CAD commands and the headless host that runs them", "vorlix"};
  app.require_subcommand(1);
  app.set_version_flag("--version", "vorlix " VORLIX_VERSION " (Vorlix release 1026)");
  app.failure_message(FailureMessage);
  int result = vxcli::kExitOk;
  vxcli::RunArgs run_args;
  vxcli::DialogArgs dialog_args;
  std::string drawing, out, convert_in, convert_out, help_topic;
  bool json = false, strict = false;

  AddRun(app, run_args, result);
  AddDrawingCommands(app, drawing, out, json, strict, result);
  AddDialog(app, dialog_args, result);
  AddConvert(app, convert_in, convert_out, strict, result);
  app.add_subcommand("commands", "List the pack's commands")->callback([&] { result = vxcli::ListCommands(); });
  app.add_subcommand("about", "Show the pack's About text")->callback([&] { result = vxcli::About(); });
  vxcli::AddRegistryCommand(app, result);
  AddHelp(app, help_topic, result);

  if (const std::string unknown = UnknownSubcommandIn(app, argc, argv); !unknown.empty())
    return UnknownSubcommand(unknown);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = app.exit(e);
    return code == 0 ? vxcli::kExitOk : vxcli::kExitBadInput;
  }
  return result;
}
