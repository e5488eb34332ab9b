# Writes a C++ file holding the text of every resource script, so that the
# headless host reads the same dialog templates as the Windows DLL without
# looking for the source tree at run time.
#
#   cmake -DOUTPUT=file.cpp -DRESOURCES="a.rc;b.rc" [-DFUNCTION=Name] -P embed_resources.cmake
#
# FUNCTION names the function that returns them (EmbeddedResources unless
# given): the pack's templates and the host's own are kept apart.
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
string(APPEND body "  };\n  return resources;\n}\n\n}  // namespace vxh::dialogs\n")
file(WRITE ${OUTPUT}.tmp "${body}")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
