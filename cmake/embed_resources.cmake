# Writes a C++ file holding the text of every resource script and the bytes
# of every icon, so that the headless host reads the same dialog templates
# and icons as the Windows DLL without looking for the source tree at run time.
#
#   cmake -DOUTPUT=file.cpp -DRESOURCES="a.rc;b.rc" [-DICONS="a.ico;b.ico"] [-DFUNCTION=Name] -P embed_resources.cmake
#
# FUNCTION names the function that returns the scripts (EmbeddedResources
# unless given): the pack's templates and the host's own are kept apart.
# EmbeddedIcons() is written only when ICONS is given, by the pack's call.
if(NOT DEFINED FUNCTION)
  set(FUNCTION EmbeddedResources)
endif()
set(body "// Generated from resources/*.rc by cmake/embed_resources.cmake.\n")
string(APPEND body "#include \"headless/dialogs/embedded_resources.h\"\n\n")
string(APPEND body "namespace vxh::dialogs {\n\nconst std::vector<EmbeddedResource>& ${FUNCTION}() {\n")
string(APPEND body "  static const std::vector<EmbeddedResource> resources{\n")
foreach(rc IN LISTS RESOURCES)
  file(READ ${rc} text)
  get_filename_component(name ${rc} NAME)
  string(APPEND body "      {\"${name}\", R\"vxrc(${text})vxrc\"},\n")
endforeach()
string(APPEND body "  };\n  return resources;\n}\n\n")
if(DEFINED ICONS)
  set(index 0)
  foreach(icon IN LISTS ICONS)
    file(READ ${icon} bytes HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
    string(APPEND body "static const unsigned char kIcon${index}[] = {${bytes}};\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND body "\nconst std::vector<EmbeddedIcon>& EmbeddedIcons() {\n  static const std::vector<EmbeddedIcon> icons{\n")
  set(index 0)
  foreach(icon IN LISTS ICONS)
    get_filename_component(name ${icon} NAME)
    string(APPEND body "      {\"${name}\", {reinterpret_cast<const char*>(kIcon${index}), sizeof kIcon${index}}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND body "  };\n  return icons;\n}\n\n")
endif()
string(APPEND body "}  // namespace vxh::dialogs\n")
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
