# The 32-bit Windows program, linked statically so that it needs only the
# DLLs that every Windows has.
enable_language(RC)

add_library(feldora_win STATIC
    framework/win_app.cpp
    framework/dialog.cpp
    framework/edit.cpp
    framework/message_box.cpp
    framework/file_dialog.cpp
    framework/system_library.cpp
    settings/qxdata.cpp
    shell/shell_util.cpp
    export/about_dlg.cpp
    export/export_dlg.cpp
    navigate/navigate_dlg.cpp
)
target_link_libraries(feldora_win PUBLIC feldora_core user32 kernel32)
target_compile_definitions(feldora_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

add_executable(Feldora WIN32
    app/export_app.cpp
    framework/win_main.cpp
    res/feldora.rc
)
target_link_libraries(Feldora PRIVATE feldora_win)
target_link_options(Feldora PRIVATE -static -static-libgcc -static-libstdc++)

if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/CMakeLists.txt)
    add_subdirectory(tests/wine)
endif()

# --- Size flags, the manifest and the benchmark ------------------------------
# Release builds are made for size: the program waits for its user and has
# nothing to compute. Functions and data that nothing uses are left out at
# link time.
function(feldora_size_options target)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os> -ffunction-sections -fdata-sections)
endfunction()
foreach(target feldora_core feldora_win Feldora)
    feldora_size_options(${target})
endforeach()
# libstdc++'s default std::terminate handler prints the type of an uncaught
# exception to stderr, which a program without a console never shows; it
# brings the C++ demangler and MinGW's printf along (about 75 KiB). abort()
# ends the program the same way without them.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(feldora_c_symbol_prefix "_")
else()
    set(feldora_c_symbol_prefix "")
endif()
set(FELDORA_SIZE_LINK_OPTIONS
    -Wl,--gc-sections
    "-Wl,--defsym,${feldora_c_symbol_prefix}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${feldora_c_symbol_prefix}abort")
target_link_options(Feldora PRIVATE ${FELDORA_SIZE_LINK_OPTIONS})

# The resource script names the manifest; a changed manifest rebuilds it.
set_source_files_properties(res/feldora.rc PROPERTIES
    OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/res/feldora.manifest)

add_subdirectory(bench)
