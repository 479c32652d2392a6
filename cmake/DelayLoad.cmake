# Windows' own DLLs that the player needs only after its first frame, if at all: the common
# controls and dialogs, the shell, COM, accessibility (oleacc, and oleaut32 for its texts), sound,
# version information and transparent blits. In Quorvane.exe each comes through a delay-load
# import library (made from the DLL's ordinary one by make_delay_import_lib.sh), so that starting
# the player maps only kernel32, user32, gdi32 and msvcrt; the DLL is loaded on its first call.
# Test programs import them the ordinary way.
#
# quorvane_system_libs: link it instead of naming these DLLs; a target whose QUORVANE_DELAY_LOAD
# property is ON gets the delay-load libraries.
set(QUORVANE_DELAY_LOADED_DLLS comctl32 comdlg32 shell32 ole32 oleacc oleaut32 winmm version
                               msimg32)

find_program(QUORVANE_MINGW_NM NAMES i686-w64-mingw32-nm REQUIRED)
find_program(QUORVANE_MINGW_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)
find_program(QUORVANE_MINGW_OBJCOPY NAMES i686-w64-mingw32-objcopy REQUIRED)
find_program(QUORVANE_MINGW_AR NAMES i686-w64-mingw32-ar REQUIRED)

add_library(quorvane_system_libs INTERFACE)
target_link_libraries(quorvane_system_libs INTERFACE gdi32 user32)
set(delay_libs)
foreach(dll IN LISTS QUORVANE_DELAY_LOADED_DLLS)
  find_library(QUORVANE_IMPORT_LIB_${dll} NAMES lib${dll}.a REQUIRED)
  set(delay_lib ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
  add_custom_command(
    OUTPUT ${delay_lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delayload
    COMMAND bash ${CMAKE_SOURCE_DIR}/cmake/make_delay_import_lib.sh ${QUORVANE_MINGW_NM}
            ${QUORVANE_MINGW_DLLTOOL} ${QUORVANE_MINGW_OBJCOPY} ${QUORVANE_MINGW_AR}
            ${QUORVANE_IMPORT_LIB_${dll}} ${dll}.dll ${delay_lib}
    DEPENDS ${CMAKE_SOURCE_DIR}/cmake/make_delay_import_lib.sh ${QUORVANE_IMPORT_LIB_${dll}}
    COMMENT "Delay-load import library for ${dll}.dll"
    VERBATIM)
  list(APPEND delay_libs ${delay_lib})
  target_link_libraries(quorvane_system_libs INTERFACE
                        "$<IF:$<BOOL:$<TARGET_PROPERTY:QUORVANE_DELAY_LOAD>>,${delay_lib},${dll}>")
endforeach()
add_custom_target(quorvane_delay_import_libs DEPENDS ${delay_libs})
# For a target that sets QUORVANE_DELAY_LOAD: where the tables go in the executable.
set(QUORVANE_DELAY_LOAD_LINK_OPTIONS "-Wl,-T,${CMAKE_SOURCE_DIR}/cmake/delay_load.ld")
