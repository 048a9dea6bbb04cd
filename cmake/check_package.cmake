# Makes the release package and checks what a user gets from it.
#   cmake -DBINARY_DIR=... -DVERSION=... -P check_package.cmake
set(name tavrinel-${VERSION}-win32)
set(package ${BINARY_DIR}/package/${name}.zip)
file(REMOVE ${package} ${package}.sha256)
execute_process(COMMAND cpack --config ${BINARY_DIR}/CPackConfig.cmake
                WORKING_DIRECTORY ${BINARY_DIR} OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)

file(READ ${package}.sha256 checksum_line)
file(SHA256 ${package} actual)
if(NOT checksum_line MATCHES "^${actual}  ${name}.zip")
    message(FATAL_ERROR "checksum file does not match the package: ${checksum_line}")
endif()

set(unpacked ${BINARY_DIR}/package/unpacked)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${package} WORKING_DIRECTORY ${unpacked}
                COMMAND_ERROR_IS_FATAL ANY)
file(GLOB_RECURSE contents RELATIVE ${unpacked} ${unpacked}/*)
list(SORT contents)
set(expected ${name}/LICENSE.txt ${name}/README.txt ${name}/tavrinel.exe)
if(NOT contents STREQUAL expected)
    message(FATAL_ERROR "package holds ${contents}, expected ${expected}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${unpacked}/${name}/tavrinel.exe
                        ${BINARY_DIR}/bin/tavrinel.exe RESULT_VARIABLE differ)
if(differ)
    message(FATAL_ERROR "the packaged tavrinel.exe is not the one built")
endif()
file(READ ${unpacked}/${name}/README.txt readme)
foreach(needed "Tavrinel ${VERSION}" "Exit code" "SetProcessAffinityMask failed."
        "Usage: tavrinel commandline" "\"C:\\Program Files\\")
    string(FIND "${readme}" "${needed}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "README.txt lacks: ${needed}")
    endif()
endforeach()
# Windows line ends, for Notepad on older Windows (file(READ) would drop the CRs).
file(READ ${unpacked}/${name}/README.txt readme_hex HEX)
if(NOT readme_hex MATCHES "^(..)*0d0a")
    message(FATAL_ERROR "README.txt does not have Windows line ends")
endif()
message(STATUS "${name}.zip: ${contents}")
