# Checks the export table of a built Stats.dll with LLVM's own tools, so the
# check does not share a line of code with the plug-in:
#   exactly the twenty names of exports.txt, each decorated name decoding to its
#   listed signature, no stdcall "@N" suffix, and the image a PE32 i386
#   (32-bit build) or an x86-64 image (64-bit build). The module name in the
#   export directory is read by the Windows tests from the loaded image.
foreach(var DLL READOBJ UNDNAME EXPECTED BITS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_exports: ${var} not given")
  endif()
endforeach()

execute_process(COMMAND ${READOBJ} --file-headers --coff-exports ${DLL}
                OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "llvm-readobj failed on ${DLL}")
endif()

set(failures "")
if(BITS EQUAL 32)
  if(NOT dump MATCHES "Format: COFF-i386" OR NOT dump MATCHES "Machine: IMAGE_FILE_MACHINE_I386")
    string(APPEND failures "not a PE32 i386 image\n")
  endif()
  if(NOT dump MATCHES "Magic: 0x10B")
    string(APPEND failures "optional header is not PE32\n")
  endif()
else()
  if(NOT dump MATCHES "Machine: IMAGE_FILE_MACHINE_AMD64")
    string(APPEND failures "not an x86-64 image\n")
  endif()
endif()

# Exported names, in the order llvm-readobj lists them.
string(REGEX MATCHALL "Name: [^\n]*" name_lines "${dump}")
set(actual "")
foreach(line IN LISTS name_lines)
  string(REGEX REPLACE "^Name: " "" name "${line}")
  list(APPEND actual "${name}")
endforeach()

file(STRINGS ${EXPECTED} rows)
set(expected_names "")
foreach(row IN LISTS rows)
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 plain)
  list(GET fields 1 decorated)
  list(GET fields 2 signature)
  list(APPEND expected_names "${plain}" "${decorated}")
  execute_process(COMMAND ${UNDNAME} "${decorated}" OUTPUT_VARIABLE decoded)
  string(FIND "${decoded}" "${signature}\n" at)
  if(at EQUAL -1)
    string(APPEND failures "${decorated} decodes to\n${decoded}\nexpected: ${signature}\n")
  endif()
endforeach()

list(SORT actual)
list(SORT expected_names)
if(NOT actual STREQUAL expected_names)
  string(APPEND failures "export names differ\n  actual:   ${actual}\n  expected: ${expected_names}\n")
endif()
foreach(name IN LISTS actual)
  if(name MATCHES "@[0-9]+$")
    string(APPEND failures "stdcall suffix on ${name}\n")
  endif()
endforeach()

list(LENGTH actual count)
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${count} exports checked in ${DLL}")
