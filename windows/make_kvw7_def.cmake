# Writes the module-definition file of the host executable's imports: exactly
# the host operations that the pack's objects call.
#
#   cmake -DNM=... -DHOST_HEADERS=<dir> -DOBJECT_LIST=<file> -DOUTPUT=<file.def> -P make_kvw7_def.cmake
#
# A host operation is a name declared with KVAPI in host/*.h. Undefined symbols
# of the objects that are not host operations are left to the linker: the C
# and C++ runtimes and the Windows libraries resolve the legitimate ones, and
# anything else (a call that only exists on Linux) fails the link, which is
# the point.
cmake_minimum_required(VERSION 3.25)

foreach(var NM HOST_HEADERS OBJECT_LIST OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_kvw7_def: ${var} is not set")
  endif()
endforeach()

# Every host operation the headers declare.
file(GLOB headers ${HOST_HEADERS}/*.h)
set(host_ops "")
foreach(header IN LISTS headers)
  file(READ ${header} text)
  string(REGEX MATCHALL "KVAPI[ \t\r\n]+[A-Za-z_][A-Za-z0-9_]*[ \t\r\n]*\\(" decls "${text}")
  foreach(decl IN LISTS decls)
    string(REGEX REPLACE "^KVAPI[ \t\r\n]+([A-Za-z_][A-Za-z0-9_]*).*$" "\\1" name "${decl}")
    list(APPEND host_ops ${name})
  endforeach()
endforeach()
list(REMOVE_DUPLICATES host_ops)
list(LENGTH host_ops op_count)
if(op_count EQUAL 0)
  message(FATAL_ERROR "make_kvw7_def: no KVAPI declarations found in ${HOST_HEADERS}")
endif()

# Undefined symbols of the pack's objects. The C calling convention on i686
# decorates a C name with one leading underscore; the .def takes the plain
# name, so `_ANorm` arrives here as `__ANorm` and leaves as `_ANorm`.
file(STRINGS ${OBJECT_LIST} objects)
execute_process(COMMAND ${NM} -u ${objects}
                OUTPUT_VARIABLE nm_out
                RESULT_VARIABLE nm_rc
                ERROR_VARIABLE nm_err)
if(NOT nm_rc EQUAL 0)
  message(FATAL_ERROR "make_kvw7_def: ${NM} failed: ${nm_err}")
endif()
string(REGEX MATCHALL "U _[A-Za-z0-9_]+" undefined "${nm_out}")

# The entry point must be the pack's own. Without it (a mangled name, a file
# left out of the build) the runtime's empty default DllMain would be linked
# instead, and the DLL would load fine but never register.
execute_process(COMMAND ${NM} -g --defined-only ${objects}
                OUTPUT_VARIABLE defined_out
                RESULT_VARIABLE nm_rc)
if(NOT nm_rc EQUAL 0 OR NOT defined_out MATCHES " T _DllMain@12\n")
  message(FATAL_ERROR "make_kvw7_def: no object defines DllMain (extern \"C\", WINAPI); "
                      "the DLL would never register with the host")
endif()

set(imports "")
foreach(entry IN LISTS undefined)
  string(REGEX REPLACE "^U _" "" name "${entry}")
  if(name IN_LIST host_ops)
    list(APPEND imports ${name})
  endif()
endforeach()
list(REMOVE_DUPLICATES imports)
list(SORT imports)

set(def "; The host operations the pack imports from the host executable.\n")
string(APPEND def "; Generated at build time from the pack's objects; do not edit.\n")
string(APPEND def "LIBRARY \"KVW7.exe\"\nEXPORTS\n")
foreach(name IN LISTS imports)
  string(APPEND def "  ${name}\n")
endforeach()

# Leave the file alone when nothing changed so the import library and the DLL
# are not relinked for nothing.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
  if(old STREQUAL def)
    return()
  endif()
endif()
file(WRITE ${OUTPUT} "${def}")
