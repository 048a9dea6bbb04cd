# Builds tavrinel.exe in two more folders, at different depths, and checks that
# both builds and the build under test are byte for byte the same.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DTOOLCHAIN=... -DBUILT=... -P check_reproducible.cmake
foreach(folder first second/deeper)
    set(build ${WORK_DIR}/${folder})
    file(REMOVE_RECURSE ${build})
    execute_process(
        COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN}
                -DCMAKE_BUILD_TYPE=MinSizeRel -DTAVRINEL_LAUNCHER_ONLY=ON
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --target tavrinel
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
endforeach()

foreach(other ${WORK_DIR}/second/deeper/bin/tavrinel.exe ${BUILT})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/first/bin/tavrinel.exe
                            ${other} RESULT_VARIABLE differ)
    if(differ)
        file(SHA256 ${WORK_DIR}/first/bin/tavrinel.exe first)
        file(SHA256 ${other} second)
        message(FATAL_ERROR "not reproducible: ${first} against ${second} (${other})")
    endif()
endforeach()
file(SHA256 ${BUILT} hash)
message(STATUS "three builds, one image: ${hash}")
